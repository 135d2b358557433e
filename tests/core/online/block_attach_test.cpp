#include "core/online/in_process_blocks.h"
#include "core/online/shm_block.h"
#include "core/util/error.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <string>

namespace veltra::core {
namespace {

// A block name no other test run uses.
std::string uniqueName(const char* what) { return "/veltra_test_" + std::to_string(::getpid()) + "_" + what; }

TEST(BlockName, DefaultAndLeadingSlash) {
  EXPECT_EQ(blockObjectName(""), "/VTR_PC_MEM");
  EXPECT_EQ(blockObjectName("VTR_PC_MEM"), "/VTR_PC_MEM");
  EXPECT_EQ(blockObjectName("/zwei"), "/zwei");
}

TEST(InProcessBlocks, AttachesOnlyAWholeBlockAndKeepsARemovedOne) {
  InProcessBlocks blocks;
  AttachResult r = blocks.attach("/fehlt");
  EXPECT_EQ(r.status, AttachStatus::NotRunning);
  EXPECT_EQ(r.message, "Server not running.");
  EXPECT_FALSE(r.block.valid());

  blocks.create("/klein", kServerBlockSize - 1);
  r = blocks.attach("klein");
  EXPECT_EQ(r.status, AttachStatus::TooSmall);
  EXPECT_FALSE(r.block.valid());
  EXPECT_NE(r.message.find("507919 Bytes"), std::string::npos) << r.message;

  ServerBlock server = blocks.create("/VTR_PC_MEM");
  r = blocks.attach("");
  ASSERT_EQ(r.status, AttachStatus::Attached);
  EXPECT_TRUE(r.message.empty());
  server.setAnalog(BlockArea::E, 1, 4.5);
  EXPECT_EQ(r.block.analog(BlockArea::E, 1), 4.5);
  blocks.remove("/VTR_PC_MEM");
  EXPECT_EQ(blocks.attach("").status, AttachStatus::NotRunning);
  EXPECT_EQ(r.block.analog(BlockArea::E, 1), 4.5) << "a vanished server's block stays readable";
}

// The real thing: a server creates its block in shared memory, the tool
// attaches in the same process through the name, both see each other's
// writes, and the tool's view survives the server removing the name.
TEST(SharedMemory, ServerAndToolShareTheBlock) {
  const std::string name = uniqueName("share");
  ShmAttacher tool;
  EXPECT_EQ(tool.attach(name).status, AttachStatus::NotRunning);
  AttachResult view;
  {
    SharedBlockOwner server(name, false);
    EXPECT_TRUE(sharedBlockExists(name));
    server.block().setChecksum({1, 2, 3, 4});
    view = tool.attach(name);
    ASSERT_EQ(view.status, AttachStatus::Attached) << view.message;
    EXPECT_EQ(view.block.checksum(), (TableChecksum{1, 2, 3, 4}));
    ASSERT_TRUE(view.block.setBit(BlockArea::Q, 256, true));
    EXPECT_EQ(server.block().bit(BlockArea::Q, 256), true);
    EXPECT_THROW(SharedBlockOwner(name, false), Error) << "a second server of the same name is refused";
  }
  EXPECT_FALSE(sharedBlockExists(name)) << "the server removes its block when it ends";
  EXPECT_EQ(view.block.bit(BlockArea::Q, 256), true);
  EXPECT_EQ(tool.attach(name).status, AttachStatus::NotRunning);
}

TEST(SharedMemory, ReplaceTakesOverAnExistingName) {
  const std::string name = uniqueName("replace");
  SharedBlockOwner first(name, false);
  first.block().setAnalog(BlockArea::H, 3, 1.0);
  SharedBlockOwner second(name, true);
  ShmAttacher tool;
  const AttachResult r = tool.attach(name);
  ASSERT_EQ(r.status, AttachStatus::Attached);
  EXPECT_EQ(r.block.analog(BlockArea::H, 3), 0.0) << "the new block starts from zero";
}

// An object of the name that is too small is never mapped, so nothing is
// read past its end.
TEST(SharedMemory, SmallObjectIsRefused) {
  const std::string name = uniqueName("small");
  const int fd = ::shm_open(name.c_str(), O_RDWR | O_CREAT | O_EXCL, 0600);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::ftruncate(fd, 4096), 0);
  ::close(fd);
  ShmAttacher tool;
  const AttachResult r = tool.attach(name);
  ::shm_unlink(name.c_str());
  EXPECT_EQ(r.status, AttachStatus::TooSmall);
  EXPECT_FALSE(r.block.valid());
  EXPECT_NE(r.message.find("4096 Bytes"), std::string::npos) << r.message;
}

} // namespace
} // namespace veltra::core
