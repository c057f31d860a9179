// The questions vexor-reg asks a person at a terminal (a pseudo-terminal here).
#include "tests/tool/ToolTestFixture.h"

#include <functional>

// What would replace or remove something (add over a value, export over a file, delete) asks on a
// terminal, goes ahead on yes (asking again after anything else) or with /f or /y, and without a
// terminal refuses; export's is here too, as it is the same question.
TEST_F(VexorRegTool, ReplacingOrDeletingAsksOrNeedsForce) {
    Ok({"add", kKey + "\\Sub", "/v", "Name", "/d", "old"});
    writeFile(Path("old.reg"), "precious");
    const auto name = [&] { return StoredData("VexorToolTest\\Sub", "Name"); };
    const struct {
        std::vector<std::string> command;
        std::string question;
        std::function<std::string()> state;
    } cases[] = {
        {{"add", kKey + "\\Sub", "/v", "Name", "/d", "new"}, "Overwrite it (Yes/No)?", name},
        {{"export", kKey, Path("old.reg")}, "(Yes/No)?", [&] { return fileBytes(Path("old.reg")); }},
        {{"delete", kKey}, "Delete the key " + kPath + " with everything below it (Yes/No)?", name},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command[0]);
        const std::string before = c.state();
        Fails(c.command, c.command[0] == "export" ? "give /y" : "give /f");
        const CToolResult answered = OnTerminal(c.command, "no\n");
        EXPECT_EQ(answered.nExitCode, 1);
        EXPECT_NE(answered.strErr.find(c.question), std::string::npos) << answered.strErr;
        EXPECT_EQ(c.state(), before);
        EXPECT_EQ(OnTerminal(c.command, "maybe\nY\n").nExitCode, 0);
        EXPECT_NE(c.state(), before);
    }
    Ok({"add", kKey, "/v", "Name", "/d", "old"});
    Ok({"add", kKey, "/v", "Name", "/d", "forced", "/f"});
    EXPECT_EQ(StoredData("VexorToolTest", "Name"), "forced\0"s);
}
