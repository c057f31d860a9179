#include "tests/tool/ToolTestFixture.h"

namespace {

const std::string kKey = "HKCR\\VexorToolTest";

class VexorRegToolDelete : public VexorRegTool {
  protected:
    void SetUp() override {
        VexorRegTool::SetUp();
        Ok({"add", kKey, "/ve", "/d", "unnamed"});
        Ok({"add", kKey, "/v", "One", "/d", "1"});
        Ok({"add", kKey, "/v", "Two", "/d", "2"});
        Ok({"add", kKey + "\\Sub", "/v", "Below", "/d", "3"});
    }
};

TEST_F(VexorRegToolDelete, AsksOrNeedsForce) {
    Fails({"delete", kKey}, "give /f");
    Fails({"delete", kKey, "/v", "One"}, "Nothing was deleted");
    EXPECT_EQ(StoredData("VexorToolTest", "One"), std::string("1\0", 2));

    CToolResult result = RunToolOnTerminal({"delete", kKey}, m_strStore, "n\n");
    EXPECT_EQ(result.nExitCode, 1);
    EXPECT_NE(result.strErr.find(
                  "Delete the key HKEY_CLASSES_ROOT\\VexorToolTest with everything below it (Yes/No)?"),
              std::string::npos);
    Ok({"query", kKey + "\\Sub"});

    result = RunToolOnTerminal({"delete", kKey}, m_strStore, "yes\n");
    EXPECT_EQ(result.nExitCode, 0) << result.strErr;
    Fails({"query", kKey}, "unable to find");
}

TEST_F(VexorRegToolDelete, DeletesOneValueOrTheUnnamedOne) {
    EXPECT_EQ(Ok({"delete", kKey, "/v", "one", "/f"}).strOut, "The operation completed successfully.\n");
    Fails({"query", kKey, "/v", "One"}, "unable to find");
    EXPECT_EQ(StoredData("VexorToolTest", "Two"), std::string("2\0", 2));
    Fails({"delete", kKey, "/v", "One", "/f"}, "unable to find");
    Ok({"delete", kKey, "/ve", "/f"});
    EXPECT_NE(Ok({"query", kKey, "/ve"}).strOut.find("(value not set)"), std::string::npos);
    Fails({"delete", kKey, "/ve", "/f"}, "unable to find");
}

TEST_F(VexorRegToolDelete, DeletesAllValuesButKeepsSubkeys) {
    Ok({"delete", kKey, "/va", "/f"});
    EXPECT_EQ(Ok({"query", kKey}).strOut, "\nHKEY_CLASSES_ROOT\\VexorToolTest\\Sub\n");
    EXPECT_EQ(StoredData("VexorToolTest\\Sub", "Below"), std::string("3\0", 2));
}

TEST_F(VexorRegToolDelete, DeletesAKeyWithEverythingBelowItButNeverARoot) {
    Fails({"delete", "HKCR", "/f"}, "root key can't be deleted");
    Fails({"delete", "HKEY_LOCAL_MACHINE", "/f"}, "root key can't be deleted");
    Ok({"query", kKey, "/v", "One"});
    Ok({"delete", kKey + "\\", "/f"});
    Fails({"query", kKey + "\\Sub"}, "unable to find");
    Fails({"delete", kKey, "/f"}, "unable to find");
}

} // namespace
