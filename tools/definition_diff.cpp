#include "tools/definition_diff.h"

#include <algorithm>
#include <map>

#include "tools/definition_json.h"

namespace torva::tools {

namespace {

using nlohmann::json;
using Fields = std::map<std::string, json>;

// The used entries in their order.
json UsedInOrder(const json& entries) {
    json out = json::array();
    for (const auto& e : entries) {
        if (!e["program"].get_ref<const std::string&>().empty()) out.push_back(e);
    }
    return out;
}

// The set timed starts in one order, whatever their numbers.
json UsedAsSet(const json& timers) {
    std::vector<json> used;
    for (const auto& t : timers) {
        if (!(t["time"] == "" && t["page"] == 0 && t["button"] == 0)) used.push_back(t);
    }
    std::sort(used.begin(), used.end());
    return json(used);
}

// Objects and the two titles open up into dotted fields; other values, the program lists among them,
// are leaves.
void Flatten(const json& value, const std::string& prefix, Fields& out) {
    if (value.is_object()) {
        for (const auto& item : value.items())
            Flatten(item.value(), prefix.empty() ? item.key() : prefix + "." + item.key(), out);
    } else if (value.is_array() && prefix == "titles") {
        for (std::size_t i = 0; i < value.size(); ++i)
            Flatten(value[i], prefix + "[" + std::to_string(i + 1) + "]", out);
    } else {
        out[prefix] = value;
    }
}

void CompareFields(const Fields& a, const Fields& b, int page, int button,
                   std::vector<DefinitionChange>& out) {
    for (const auto& [field, value] : a) {
        const auto other = b.find(field);
        const json to = other == b.end() ? json() : other->second;
        if (value != to) out.push_back({DefinitionChange::Kind::Changed, page, button, field, value, to});
    }
    for (const auto& [field, value] : b) {
        if (!a.contains(field))
            out.push_back({DefinitionChange::Kind::Changed, page, button, field, json(), value});
    }
}

Fields Settings(const json& def) {
    json settings = def;
    settings.erase("pages");
    // The flag is the editor's view of the bar titles, not part of the file; its effect is compared
    // on each page.
    settings.erase("commonBackground");
    for (const char* key : {"startPrograms", "endPrograms"}) settings[key] = UsedInOrder(def[key]);
    for (const char* key : {"elapsedStarts", "clockStarts"}) settings[key] = UsedAsSet(def[key]);
    Fields fields;
    Flatten(settings, "", fields);
    return fields;
}

std::map<int, json> ByNumber(const json& list, const char* key) {
    std::map<int, json> out;
    for (const auto& item : list) out[item[key].get<int>()] = item;
    return out;
}

Fields PageFields(json page, const json& first, bool common) {
    page.erase("buttons");
    page.erase("page");
    page["pageStarts"] = UsedInOrder(page["pageStarts"]);
    // The bar title line of page 1, wait mode included, is the one written on every page.
    if (common) {
        page["barTitle"] = first["barTitle"];
        page["pageWaitMode"] = first["pageWaitMode"];
    }
    Fields fields;
    Flatten(page, "", fields);
    return fields;
}

Fields ButtonFields(json button) {
    button.erase("slot");
    Fields fields;
    Flatten(button, "", fields);
    return fields;
}

json FirstPage(const json& pages) {
    for (const auto& page : pages) {
        if (page["page"] == 1) return page;
    }
    return {{"barTitle", nullptr}, {"pageWaitMode", nullptr}};
}

}  // namespace

std::vector<DefinitionChange> DiffDefinitions(const definition::MenuDefinition& a,
                                              const definition::MenuDefinition& b) {
    const json left = DefinitionToJson(a);
    const json right = DefinitionToJson(b);
    std::vector<DefinitionChange> changes;
    CompareFields(Settings(left), Settings(right), 0, 0, changes);

    const auto leftPages = ByNumber(left["pages"], "page");
    const auto rightPages = ByNumber(right["pages"], "page");
    const json leftFirst = FirstPage(left["pages"]);
    const json rightFirst = FirstPage(right["pages"]);
    for (int n = 1; n <= definition::kPageCount; ++n) {
        const auto l = leftPages.find(n);
        const auto r = rightPages.find(n);
        if (l == leftPages.end() && r == rightPages.end()) continue;
        if (r == rightPages.end()) {
            changes.push_back({DefinitionChange::Kind::Removed, n, 0, {}, l->second, json()});
            continue;
        }
        if (l == leftPages.end()) {
            changes.push_back({DefinitionChange::Kind::Added, n, 0, {}, json(), r->second});
            continue;
        }
        CompareFields(PageFields(l->second, leftFirst, a.commonBackground && n != 1),
                      PageFields(r->second, rightFirst, b.commonBackground && n != 1), n, 0, changes);
        const auto leftButtons = ByNumber(l->second["buttons"], "slot");
        const auto rightButtons = ByNumber(r->second["buttons"], "slot");
        for (int slot = 1; slot <= definition::kMaxButtons; ++slot) {
            const auto lb = leftButtons.find(slot);
            const auto rb = rightButtons.find(slot);
            if (lb == leftButtons.end() && rb == rightButtons.end()) continue;
            if (rb == rightButtons.end()) {
                changes.push_back({DefinitionChange::Kind::Removed, n, slot, {}, lb->second, json()});
            } else if (lb == leftButtons.end()) {
                changes.push_back({DefinitionChange::Kind::Added, n, slot, {}, json(), rb->second});
            } else {
                CompareFields(ButtonFields(lb->second), ButtonFields(rb->second), n, slot, changes);
            }
        }
    }
    return changes;
}

namespace {

std::string Where(const DefinitionChange& c) {
    if (c.page == 0) return {};
    std::string where = "page " + std::to_string(c.page);
    if (c.button != 0) where += ", button " + std::to_string(c.button);
    return where;
}

std::string Shown(const json& value) {
    return value.is_null() ? "(none)" : value.dump(-1, ' ', false, json::error_handler_t::replace);
}

}  // namespace

std::string ChangeLine(const DefinitionChange& c) {
    const std::string where = Where(c);
    switch (c.kind) {
        case DefinitionChange::Kind::Added:
            return where + ": added";
        case DefinitionChange::Kind::Removed:
            return where + ": removed";
        case DefinitionChange::Kind::Changed:
            break;
    }
    return (where.empty() ? "" : where + ": ") + c.field + ": " + Shown(c.from) + " -> " + Shown(c.to);
}

json ChangeJson(const DefinitionChange& c) {
    static const char* const kKinds[] = {"added", "removed", "changed"};
    json out = {{"change", kKinds[static_cast<int>(c.kind)]}};
    if (c.page != 0) out["page"] = c.page;
    if (c.button != 0) out["button"] = c.button;
    if (!c.field.empty()) out["field"] = c.field;
    out["from"] = c.from;
    out["to"] = c.to;
    return out;
}

}  // namespace torva::tools
