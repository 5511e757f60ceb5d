#pragma once
// A validator for the part of JSON Schema (draft 7) the definition schema uses. A keyword outside that
// part is reported as a problem of the schema itself, so the schema cannot outgrow its test unseen.

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace torva::testing {

class SchemaValidator {
  public:
    explicit SchemaValidator(nlohmann::json schema) : root_(std::move(schema)) {}

    // Every place where the document breaks the schema, as "path: what".
    std::vector<std::string> Validate(const nlohmann::json& document) {
        problems_.clear();
        Check(root_, document, "$");
        return problems_;
    }

  private:
    const nlohmann::json& Resolve(const nlohmann::json& schema, const std::string& path) {
        if (!schema.contains("$ref")) return schema;
        const std::string ref = schema["$ref"];
        const std::string prefix = "#/definitions/";
        if (!ref.starts_with(prefix) || !root_["definitions"].contains(ref.substr(prefix.size()))) {
            problems_.push_back(path + ": unresolved $ref " + ref);
            return kEmpty;
        }
        return root_["definitions"][ref.substr(prefix.size())];
    }

    static bool HasType(const nlohmann::json& value, const std::string& type) {
        if (type == "object") return value.is_object();
        if (type == "array") return value.is_array();
        if (type == "string") return value.is_string();
        if (type == "integer") return value.is_number_integer();
        if (type == "boolean") return value.is_boolean();
        return false;
    }

    void Check(const nlohmann::json& given, const nlohmann::json& value, const std::string& path) {
        const nlohmann::json& schema = Resolve(given, path);
        for (const auto& item : schema.items()) {
            static const char* const kKnown[] = {"$schema",
                                                 "$id",
                                                 "title",
                                                 "description",
                                                 "type",
                                                 "properties",
                                                 "additionalProperties",
                                                 "required",
                                                 "minimum",
                                                 "maximum",
                                                 "maxItems",
                                                 "items",
                                                 "definitions"};
            bool known = false;
            for (const char* k : kKnown) known = known || item.key() == k;
            if (!known) problems_.push_back(path + ": the validator does not know keyword " + item.key());
        }
        if (schema.contains("type") && !HasType(value, schema["type"])) {
            problems_.push_back(path + ": not of type " + schema["type"].get<std::string>());
            return;
        }
        if (value.is_number_integer()) {
            const auto n = value.get<long long>();
            if (value.is_number_unsigned() && value.get<unsigned long long>() > (1ull << 62)) {
                if (schema.contains("maximum")) problems_.push_back(path + ": above the maximum");
            } else {
                if (schema.contains("minimum") && n < schema["minimum"].get<long long>())
                    problems_.push_back(path + ": below the minimum");
                if (schema.contains("maximum") && n > schema["maximum"].get<long long>())
                    problems_.push_back(path + ": above the maximum");
            }
        }
        if (value.is_array()) {
            if (schema.contains("maxItems") && value.size() > schema["maxItems"].get<std::size_t>())
                problems_.push_back(path + ": too many items");
            if (schema.contains("items")) {
                for (std::size_t i = 0; i < value.size(); ++i)
                    Check(schema["items"], value[i], path + "[" + std::to_string(i) + "]");
            }
        }
        if (value.is_object()) {
            if (schema.contains("required")) {
                for (const auto& key : schema["required"]) {
                    if (!value.contains(key.get<std::string>()))
                        problems_.push_back(path + ": lacks " + key.get<std::string>());
                }
            }
            const nlohmann::json properties = schema.value("properties", nlohmann::json::object());
            for (const auto& item : value.items()) {
                const std::string at = path + "." + item.key();
                if (properties.contains(item.key())) {
                    Check(properties[item.key()], item.value(), at);
                } else if (schema.contains("additionalProperties") &&
                           schema["additionalProperties"] == false) {
                    problems_.push_back(at + ": not allowed");
                }
            }
        }
    }

    inline static const nlohmann::json kEmpty = nlohmann::json::object();
    nlohmann::json root_;
    std::vector<std::string> problems_;
};

}  // namespace torva::testing
