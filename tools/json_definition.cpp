#include "tools/json_definition.h"

#include <initializer_list>
#include <limits>
#include <string_view>

#include "common/cp932.h"
#include "definition/colour_codes.h"

namespace torva::tools {

namespace {

using nlohmann::json;
using namespace definition;

// The problem travels as an exception inside this file only: each field would otherwise need a check.
struct Failure {
    JsonProblem problem;
};

// How a text reaches the file, and so what it cannot hold.
enum class TextKind {
    Quoted,    // between double quotes: no double quote, no line end
    Unquoted,  // a bare field: no comma either
    Comment,   // to the end of its line: no line end
};

class Parser {
  public:
    explicit Parser(MenuDefinition& def) : def_(def) {}

    void Run(const json& root) {
        Object(root, "$",
               {"$schema", "formatClass", "displayMode", "buttonsPerPage", "options", "comments",
                "startPrograms", "endPrograms", "elapsedStarts", "clockStarts", "commonBackground", "pages"});
        if (root.contains("$schema")) Text(root, "$", "$schema", TextKind::Quoted, scratch_);
        Int(root, "$", "formatClass", 1, 3, def_.formatClass);
        Int(root, "$", "displayMode", std::numeric_limits<int16_t>::min(),
            std::numeric_limits<int16_t>::max(), def_.displayMode);
        def_.buttonsPerPage = ButtonsForMode(def_.displayMode);
        int buttons = def_.buttonsPerPage;
        Int(root, "$", "buttonsPerPage", 1, kMaxButtons, buttons);
        if (buttons != def_.buttonsPerPage) {
            Fail("$.buttonsPerPage", "display mode " + std::to_string(def_.displayMode) + " has " +
                                         std::to_string(def_.buttonsPerPage) + " buttons a page, not " +
                                         std::to_string(buttons));
        }
        Options(root);
        if (const json* comments = Array(root, "$", "comments", std::numeric_limits<std::size_t>::max())) {
            for (std::size_t i = 0; i < comments->size(); ++i) {
                const std::string at = Index("$.comments", i);
                def_.comments.push_back(TextValue((*comments)[i], at, TextKind::Comment));
            }
        }
        Entries(root, "$", "startPrograms", def_.startPrograms);
        Entries(root, "$", "endPrograms", def_.endPrograms);
        Timers(root, "elapsedStarts", def_.elapsedStarts);
        Timers(root, "clockStarts", def_.clockStarts);
        Bool(root, "$", "commonBackground", def_.commonBackground);
        if (const json* pages = Array(root, "$", "pages", kPageCount)) {
            for (std::size_t i = 0; i < pages->size(); ++i) Page((*pages)[i], Index("$.pages", i));
        }
    }

  private:
    [[noreturn]] static void Fail(std::string path, std::string message) {
        throw Failure{{std::move(path), std::move(message)}};
    }

    static std::string Index(std::string_view path, std::size_t i) {
        return std::string(path) + "[" + std::to_string(i) + "]";
    }

    static std::string Member(std::string_view path, std::string_view key) {
        return std::string(path) + "." + std::string(key);
    }

    static const char* TypeName(const json& value) {
        return value.is_number_integer() ? "an integer" : value.type_name();
    }

    // An object whose keys are all known: a misspelt key would otherwise be a value silently lost.
    static void Object(const json& value, const std::string& path,
                       std::initializer_list<std::string_view> keys) {
        if (!value.is_object()) Fail(path, std::string("must be an object, not ") + TypeName(value));
        for (const auto& item : value.items()) {
            bool known = false;
            for (const auto key : keys) known = known || item.key() == key;
            if (!known) Fail(Member(path, item.key()), "is not a key of this object");
        }
    }

    static const json* Find(const json& object, std::string_view key) {
        const auto it = object.find(key);
        return it == object.end() ? nullptr : &*it;
    }

    static const json* Array(const json& object, const std::string& path, std::string_view key,
                             std::size_t limit) {
        const json* value = Find(object, key);
        if (!value) return nullptr;
        const std::string at = Member(path, key);
        if (!value->is_array()) Fail(at, std::string("must be an array, not ") + TypeName(*value));
        if (value->size() > limit) Fail(at, "holds more than " + std::to_string(limit) + " items");
        return value;
    }

    static long long IntValue(const json& value, const std::string& path, long long low, long long high) {
        if (!value.is_number_integer()) Fail(path, std::string("must be an integer, not ") + TypeName(value));
        // Unsigned values beyond the signed range are out of every range here.
        if (value.is_number_unsigned() &&
            value.get<unsigned long long>() > static_cast<unsigned long long>(high))
            Fail(path, "must be " + std::to_string(low) + ".." + std::to_string(high));
        const long long n = value.get<long long>();
        if (n < low || n > high) Fail(path, "must be " + std::to_string(low) + ".." + std::to_string(high));
        return n;
    }

    template <typename T>
    static void Int(const json& object, const std::string& path, std::string_view key, long long low,
                    long long high, T& target) {
        if (const json* value = Find(object, key))
            target = static_cast<T>(IntValue(*value, Member(path, key), low, high));
    }

    static void Byte(const json& object, const std::string& path, std::string_view key, uint8_t& target) {
        Int(object, path, key, 0, 255, target);
    }

    static void Base(const json& object, const std::string& path, std::string_view key, uint8_t& target) {
        Int(object, path, key, kBaseAbsolute, kBaseSystemFolder, target);
    }

    // Files hold colour codes, not values: a value with no code would come back as the default.
    static void Colour(const json& object, const std::string& path, std::string_view key,
                       definition::Colour fallback, definition::Colour& target) {
        definition::Colour value = target;
        Int(object, path, key, 0, 0xFFFFFFFFLL, value);
        if (value != fallback && codeFromColour(value).empty()) {
            Fail(Member(path, key),
                 std::to_string(value) + " has no colour code; use a value of the colour table, " +
                     std::to_string(kTransparent) + " (transparent), " + std::to_string(kSemiTransparent) +
                     " (semi-transparent) or " + std::to_string(fallback) + " (the default)");
        }
        target = value;
    }

    static void Bool(const json& object, const std::string& path, std::string_view key, bool& target) {
        const json* value = Find(object, key);
        if (!value) return;
        if (!value->is_boolean())
            Fail(Member(path, key), std::string("must be true or false, not ") + TypeName(*value));
        target = value->get<bool>();
    }

    static std::string TextValue(const json& value, const std::string& path, TextKind kind) {
        if (!value.is_string()) Fail(path, std::string("must be a string, not ") + TypeName(value));
        const std::string& text = value.get_ref<const std::string&>();
        for (const char c : text) {
            if (c == '\r' || c == '\n') Fail(path, "cannot hold a line end");
            if (c == '"' && kind != TextKind::Comment) Fail(path, "cannot hold a double quote");
            if (c == ',' && kind == TextKind::Unquoted) Fail(path, "cannot hold a comma");
        }
        if (EncodeCp932(text).unmappable > 0) Fail(path, "holds characters that have no Shift-JIS form");
        return text;
    }

    static void Text(const json& object, const std::string& path, std::string_view key, TextKind kind,
                     std::string& target) {
        if (const json* value = Find(object, key)) target = TextValue(*value, Member(path, key), kind);
    }

    void Options(const json& root) {
        const json* options = Find(root, "options");
        if (!options) return;
        const std::string path = "$.options";
        Object(*options, path,
               {"dupCheck", "noCheck", "pathSuppress", "pageKey", "noControlBox", "trayIcon", "remoteControl",
                "positionSave", "outerFrame", "noFunctionKeys"});
        DefinitionOptions& o = def_.options;
        Bool(*options, path, "dupCheck", o.dupCheck);
        Bool(*options, path, "noCheck", o.noCheck);
        Bool(*options, path, "pathSuppress", o.pathSuppress);
        Bool(*options, path, "pageKey", o.pageKey);
        Bool(*options, path, "noControlBox", o.noControlBox);
        Bool(*options, path, "trayIcon", o.trayIcon);
        Bool(*options, path, "remoteControl", o.remoteControl);
        Bool(*options, path, "positionSave", o.positionSave);
        Bool(*options, path, "outerFrame", o.outerFrame);
        Bool(*options, path, "noFunctionKeys", o.noFunctionKeys);
    }

    static void Entries(const json& object, const std::string& path, std::string_view key,
                        std::array<ProgramEntry, kEntryCount>& entries) {
        const json* list = Array(object, path, key, kEntryCount);
        if (!list) return;
        for (std::size_t i = 0; i < list->size(); ++i) {
            const json& item = (*list)[i];
            const std::string at = Index(Member(path, key), i);
            Object(item, at, {"program", "arguments", "waitMode", "pathBase"});
            ProgramEntry& e = entries[i];
            Text(item, at, "program", TextKind::Quoted, e.program);
            Text(item, at, "arguments", TextKind::Quoted, e.arguments);
            Byte(item, at, "waitMode", e.waitMode);
            Base(item, at, "pathBase", e.pathBase);
        }
    }

    static void Timers(const json& root, std::string_view key, std::array<TimedStart, kEntryCount>& timers) {
        const json* list = Array(root, "$", key, kEntryCount);
        if (!list) return;
        for (std::size_t i = 0; i < list->size(); ++i) {
            const json& item = (*list)[i];
            const std::string at = Index(Member("$", key), i);
            Object(item, at, {"time", "page", "button"});
            TimedStart& t = timers[i];
            Text(item, at, "time", TextKind::Unquoted, t.time);
            Byte(item, at, "page", t.page);
            Byte(item, at, "button", t.button);
        }
    }

    void Page(const json& item, const std::string& path) {
        Object(item, path, {"page", "pageStarts", "barTitle", "pageWaitMode", "titles", "buttons"});
        const json* number = Find(item, "page");
        if (!number) Fail(Member(path, "page"), "is missing: every page says its number");
        const int n = static_cast<int>(IntValue(*number, Member(path, "page"), 1, kPageCount));
        MenuPage& page = def_.Page(n);
        if (page.defined) Fail(Member(path, "page"), "page " + std::to_string(n) + " is given twice");
        page.defined = true;
        Entries(item, path, "pageStarts", page.pageStarts);
        if (const json* bar = Find(item, "barTitle")) {
            const std::string at = Member(path, "barTitle");
            Object(*bar, at, {"text", "backColour", "picture", "pathBase"});
            Text(*bar, at, "text", TextKind::Quoted, page.barTitle.text);
            Colour(*bar, at, "backColour", kDefaultBackColour, page.barTitle.backColour);
            Text(*bar, at, "picture", TextKind::Quoted, page.barTitle.picture);
            Base(*bar, at, "pathBase", page.barTitle.pathBase);
        }
        Byte(item, path, "pageWaitMode", page.pageWaitMode);
        if (const json* titles = Array(item, path, "titles", kEntryCount)) {
            for (std::size_t i = 0; i < titles->size(); ++i) {
                const std::string at = Index(Member(path, "titles"), i);
                const json& t = (*titles)[i];
                Object(t, at, {"text", "fontName", "fontStyle", "fontSize", "foreColour", "backColour"});
                PageTitle& title = page.titles[i];
                Text(t, at, "text", TextKind::Quoted, title.text);
                Text(t, at, "fontName", TextKind::Unquoted, title.fontName);
                Text(t, at, "fontStyle", TextKind::Unquoted, title.fontStyle);
                Byte(t, at, "fontSize", title.fontSize);
                Colour(t, at, "foreColour", kDefaultTextColour, title.foreColour);
                Colour(t, at, "backColour", kDefaultBackColour, title.backColour);
            }
        }
        if (const json* buttons = Array(item, path, "buttons", kMaxButtons)) {
            std::array<bool, kMaxButtons> seen{};
            for (std::size_t i = 0; i < buttons->size(); ++i) {
                Button((*buttons)[i], Index(Member(path, "buttons"), i), page, seen);
            }
        }
    }

    void Button(const json& item, const std::string& path, MenuPage& page,
                std::array<bool, kMaxButtons>& seen) {
        Object(item, path,
               {"slot",     "icon",       "iconBase",    "pfKey",     "caption",    "fontName", "fontStyle",
                "fontSize", "foreColour", "backColour",  "comment",   "password",   "guide",    "workFolder",
                "action",   "program",    "programBase", "arguments", "targetPage", "runOption"});
        const std::string slotPath = Member(path, "slot");
        const json* slot = Find(item, "slot");
        if (!slot) Fail(slotPath, "is missing: every button says its slot");
        const int n = static_cast<int>(IntValue(*slot, slotPath, 1, kMaxButtons));
        // The file holds only the slots of the display mode; a button beyond them would vanish.
        if (n > def_.buttonsPerPage) {
            Fail(slotPath, "display mode " + std::to_string(def_.displayMode) + " has only " +
                               std::to_string(def_.buttonsPerPage) + " buttons a page");
        }
        if (seen[static_cast<std::size_t>(n - 1)])
            Fail(slotPath, "slot " + std::to_string(n) + " is given twice");
        seen[static_cast<std::size_t>(n - 1)] = true;
        MenuButton& b = page.Button(n);
        Text(item, path, "icon", TextKind::Quoted, b.icon);
        Base(item, path, "iconBase", b.iconBase);
        Bool(item, path, "pfKey", b.pfKey);
        Text(item, path, "caption", TextKind::Quoted, b.caption);
        Text(item, path, "fontName", TextKind::Unquoted, b.fontName);
        Text(item, path, "fontStyle", TextKind::Unquoted, b.fontStyle);
        Byte(item, path, "fontSize", b.fontSize);
        Colour(item, path, "foreColour", kDefaultTextColour, b.foreColour);
        Colour(item, path, "backColour", kDefaultBackColour, b.backColour);
        Text(item, path, "comment", TextKind::Quoted, b.comment);
        Text(item, path, "password", TextKind::Quoted, b.password);
        Text(item, path, "guide", TextKind::Quoted, b.guide);
        Text(item, path, "workFolder", TextKind::Quoted, b.workFolder);
        Int(item, path, "action", 0, kActionCount - 1, b.action);
        Text(item, path, "program", TextKind::Quoted, b.program);
        Base(item, path, "programBase", b.programBase);
        Text(item, path, "arguments", TextKind::Quoted, b.arguments);
        Byte(item, path, "targetPage", b.targetPage);
        Byte(item, path, "runOption", b.runOption);
    }

    MenuDefinition& def_;
    std::string scratch_;
};

}  // namespace

std::optional<JsonProblem> DefinitionFromJson(const json& source, MenuDefinition& def) {
    clearDefinition(def);
    try {
        Parser(def).Run(source);
    } catch (const Failure& failure) {
        clearDefinition(def);
        return failure.problem;
    }
    return std::nullopt;
}

}  // namespace torva::tools
