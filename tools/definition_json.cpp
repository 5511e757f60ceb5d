#include "tools/definition_json.h"

namespace torva::tools {

namespace {

using nlohmann::json;
using namespace definition;

json Entry(const ProgramEntry& e) {
    return {{"program", e.program},
            {"arguments", e.arguments},
            {"waitMode", e.waitMode},
            {"pathBase", e.pathBase}};
}

json Timed(const TimedStart& t) {
    return {{"time", t.time}, {"page", t.page}, {"button", t.button}};
}

template <typename T, std::size_t N, typename F>
json List(const std::array<T, N>& items, F convert) {
    json out = json::array();
    for (const auto& item : items) out.push_back(convert(item));
    return out;
}

json Title(const PageTitle& t) {
    return {{"text", t.text},         {"fontName", t.fontName},     {"fontStyle", t.fontStyle},
            {"fontSize", t.fontSize}, {"foreColour", t.foreColour}, {"backColour", t.backColour}};
}

json Button(int slot, const MenuButton& b) {
    return {{"slot", slot},
            {"icon", b.icon},
            {"iconBase", b.iconBase},
            {"pfKey", b.pfKey},
            {"caption", b.caption},
            {"fontName", b.fontName},
            {"fontStyle", b.fontStyle},
            {"fontSize", b.fontSize},
            {"foreColour", b.foreColour},
            {"backColour", b.backColour},
            {"comment", b.comment},
            {"password", b.password},
            {"guide", b.guide},
            {"workFolder", b.workFolder},
            {"action", static_cast<int>(b.action)},
            {"program", b.program},
            {"programBase", b.programBase},
            {"arguments", b.arguments},
            {"targetPage", b.targetPage},
            {"runOption", b.runOption}};
}

json Page(int n, const MenuPage& page) {
    json buttons = json::array();
    const MenuButton reset{};
    for (int slot = 1; slot <= kMaxButtons; ++slot) {
        if (!(page.Button(slot) == reset)) buttons.push_back(Button(slot, page.Button(slot)));
    }
    const BarTitle& bar = page.barTitle;
    return {{"page", n},
            {"pageStarts", List(page.pageStarts, Entry)},
            {"barTitle",
             {{"text", bar.text},
              {"backColour", bar.backColour},
              {"picture", bar.picture},
              {"pathBase", bar.pathBase}}},
            {"pageWaitMode", page.pageWaitMode},
            {"titles", List(page.titles, Title)},
            {"buttons", buttons}};
}

}  // namespace

json DefinitionToJson(const MenuDefinition& def) {
    const DefinitionOptions& o = def.options;
    json pages = json::array();
    for (int n = 1; n <= kPageCount; ++n) {
        if (def.Page(n).defined) pages.push_back(Page(n, def.Page(n)));
    }
    return {{"formatClass", def.formatClass},
            {"displayMode", def.displayMode},
            {"buttonsPerPage", def.buttonsPerPage},
            {"options",
             {{"dupCheck", o.dupCheck},
              {"noCheck", o.noCheck},
              {"pathSuppress", o.pathSuppress},
              {"pageKey", o.pageKey},
              {"noControlBox", o.noControlBox},
              {"trayIcon", o.trayIcon},
              {"remoteControl", o.remoteControl},
              {"positionSave", o.positionSave},
              {"outerFrame", o.outerFrame},
              {"noFunctionKeys", o.noFunctionKeys}}},
            {"comments", def.comments},
            {"startPrograms", List(def.startPrograms, Entry)},
            {"endPrograms", List(def.endPrograms, Entry)},
            {"elapsedStarts", List(def.elapsedStarts, Timed)},
            {"clockStarts", List(def.clockStarts, Timed)},
            {"commonBackground", def.commonBackground},
            {"pages", pages}};
}

}  // namespace torva::tools
