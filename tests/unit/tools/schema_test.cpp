// The published schema of the definition JSON accepts every dump and refuses what build refuses by
// type, range or key.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>

#include "tests/unit/definition/definition_fixture.h"
#include "tests/unit/definition/model_generator.h"
#include "tests/unit/tools/schema_validator.h"
#include "tests/unit/tools/tool_fixture.h"
#include "tools/definition_json.h"
#include "tools/schema_location.h"

namespace torva::tools {
namespace {

using nlohmann::json;

json Schema() {
    std::ifstream in(TORVA_DEFINITION_SCHEMA);
    std::stringstream text;
    text << in.rdbuf();
    return json::parse(text.str());
}

std::string Problems(const std::vector<std::string>& problems) {
    std::string text;
    for (const auto& p : problems) text += p + "\n";
    return text;
}

TEST(DefinitionSchema, AcceptsTheDumpsOfGeneratedDefinitions) {
    testing::SchemaValidator validator(Schema());
    for (unsigned seed = 1; seed <= 30; ++seed) {
        testing::DefinitionFixture f;
        testing::ModelGenerator generator(seed);
        auto generated = std::make_unique<definition::MenuDefinition>();
        seed == 1 ? generator.FillFull(*generated) : generator.Fill(*generated);
        ASSERT_TRUE(f.Editor(definition::definitionText(*generated, f.folders)).ok());
        const auto problems = validator.Validate(DefinitionToJson(*f.def));
        EXPECT_TRUE(problems.empty()) << "seed " << seed << "\n" << Problems(problems);
    }
}

TEST_F(ToolTest, TheDumpNamesTheSchemaBesideTvtoolAndFitsIt) {
    File("C:\\MENU\\S.TVX",
         "[VER8.05]\r\n[MODE9]\r\n[PAGE1]\r\nCMD24,,OFF,\"x\",,,,,R,,,\"CMD:cmd.exe\",3,,\r\n");
    ASSERT_EQ(Run({"dump", "C:\\MENU\\S.TVX"}), kExitOk) << err.str();
    const json dumped = json::parse(out.str());
    EXPECT_EQ(dumped["$schema"], "file:///C:/TOOLS/torva-definition.schema.json");
    testing::SchemaValidator validator(Schema());
    EXPECT_EQ(Problems(validator.Validate(dumped)), "");
}

TEST(DefinitionSchema, RefusesWrongTypesRangesAndKeys) {
    testing::SchemaValidator validator(Schema());
    const char* const bad[] = {
        R"({"displayMode": "1"})",
        R"({"pages": [{"page": 100}]})",
        R"({"pages": [{"buttons": []}]})",
        R"({"pages": [{"page": 1, "buttons": [{"slot": 25}]}]})",
        R"({"pages": [{"page": 1, "buttons": [{"slot": 1, "capton": "x"}]}]})",
        R"({"pages": [{"page": 1, "titles": [{}, {}, {}]}]})",
        R"({"options": {"trayIcon": 1}})",
        R"({"startPrograms": [{"pathBase": 5}]})",
        R"({"clockStarts": [{"page": -1}]})",
        R"({"pages": [{"page": 1, "barTitle": {"backColour": 4294967296}}]})",
        R"({"unknown": true})",
    };
    for (const char* text : bad) EXPECT_FALSE(validator.Validate(json::parse(text)).empty()) << text;
    EXPECT_EQ(Problems(validator.Validate(json::parse(R"({"$schema": "x", "pages": [{"page": 1}]})"))), "");
}

TEST(DefinitionSchema, LocationIsAFileUriOfTheProgramFolder) {
    EXPECT_EQ(SchemaLocation("C:\\Program Files\\Torva\\"),
              "file:///C:/Program%20Files/Torva/torva-definition.schema.json");
    EXPECT_EQ(SchemaLocation("\\\\SRV\\ショート#1"),
              "file://SRV/%E3%82%B7%E3%83%A7%E3%83%BC%E3%83%88%231/torva-definition.schema.json");
}

}  // namespace
}  // namespace torva::tools
