#include "platform/web/ftpConnections.h"
#include "platform/web/startWeb.h"

#include "../../mainobj/MainObjectWorld.h"
#include "images/lgfTextFiles.h"
#include "webTestFixtures.h"

#include <gtest/gtest.h>

namespace {

// Texts in project and image files on an FTP server: the server's file is replaced whole by
// the container with its text (its own executable, since the container code stays installed).
class FtpContainerTexts : public tFtpServerTest {
protected:
    void SetUp() override
    {
        startWeb();
        installLgfTextFiles();
        tFtpServerTest::SetUp();
    }

    void TearDown() override
    {
        closeFtpConnectionsOf(ftpConnectionOwner());
        tFtpServerTest::TearDown();
    }

    std::string url(const std::string& name) const { return "\"|" + base + name + "|"; }

    tMainObjectWorld world;
};

TEST_F(FtpContainerTexts, AProjectNameIsWrittenAsAProjectFileAndAppendedTextsAreChunks)
{
    world.Run("savetext " + url("story.zxp") + " [|print 42|]");
    EXPECT_NE(readFile(remote("story.zxp")).substr(0, 3), "LGF");
    world.Run("appendtext " + url("story.zxp") + " [more]");
    world.Run("appendtext " + url("new.ZXP") + " [fresh]");
    world.Run("appendtext " + url("plain.lgf") + " [|not a container|]");
    EXPECT_EQ(world.Run("show loadtext " + url("story.zxp") + " show loadtext " + url("story:1.zxp") +
                        " show loadtext " + url("new.ZXP") + " show loadtext " + url("plain.lgf")),
              "[print 42]\n[more]\n[fresh]\n[not a container]\n");
    EXPECT_EQ(readFile(remote("plain.lgf")), "not a container\r\n");
}

}  // namespace
