// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/AtomicWrite.h"
#include "common/core/FileActions.h"
#include "common/core/IoError.h"
#include "common/testing/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace common {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;
constexpr gid_t kNogroup = 65534;

struct stat statOf(const fs::path& p)
{
    struct stat st {};
    EXPECT_EQ(::stat(p.c_str(), &st), 0);
    return st;
}

std::string attribute(const fs::path& p, const char* name)
{
    char value[256];
    const ssize_t n = ::getxattr(p.c_str(), name, value, sizeof value);
    return n < 0 ? std::string("(none)") : std::string(value, static_cast<std::size_t>(n));
}

// An access list giving user daemon (1) read access besides the mode bits.
std::string daemonMayRead()
{
    std::string acl;
    const auto u32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            acl += static_cast<char>(v >> (8 * i));
    };
    const auto entry = [&](std::uint16_t tag, std::uint16_t perm, std::uint32_t id) {
        acl += static_cast<char>(tag & 0xFF);
        acl += static_cast<char>(tag >> 8);
        acl += static_cast<char>(perm & 0xFF);
        acl += static_cast<char>(perm >> 8);
        u32(id);
    };
    u32(2);
    entry(0x01, 6, 0xFFFFFFFF); // owner rw
    entry(0x02, 4, 1);          // daemon r
    entry(0x04, 4, 0xFFFFFFFF); // group r
    entry(0x10, 4, 0xFFFFFFFF); // mask r
    entry(0x20, 0, 0xFFFFFFFF); // others none
    return acl;
}

// A rewrite replaces the file by a new one; the new one keeps the old one's
// extended attributes, access list and (where the process may) owner.
TEST(FileOwnership, ARewriteKeepsAttributesAccessListAndOwner)
{
    TempDir dir;
    const fs::path file = dir / "airfield.dat";
    writeAllText(file, "old");
    ::chmod(file.c_str(), 0640);
    if (::setxattr(file.c_str(), "user.modder", "kept", 4, 0) != 0)
        GTEST_SKIP() << "this file system takes no user attributes";
    const std::string acl = daemonMayRead();
    ASSERT_EQ(::setxattr(file.c_str(), "system.posix_acl_access", acl.data(), acl.size(), 0), 0);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(file.c_str(), kNobody, kNogroup), 0);
    }
    const struct stat before = statOf(file);

    writeFileAtomically(file, std::string_view("new content"));

    const struct stat after = statOf(file);
    EXPECT_EQ(readAllText(file), "new content");
    EXPECT_NE(after.st_ino, before.st_ino) << "not replaced by a new file: the test proves nothing";
    EXPECT_EQ(attribute(file, "user.modder"), "kept");
    EXPECT_EQ(attribute(file, "system.posix_acl_access"), acl);
    EXPECT_EQ(after.st_mode & 07777, before.st_mode & 07777);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
}

// Whoever may not write a file may not replace it either, even where the
// folder would let a rename do it.
TEST(FileOwnership, AUserWhoMayNotWriteAFileCannotReplaceIt)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root, to make a file another user may not write";
    TempDir dir;
    ::chmod(dir.path().c_str(), 0777);
    const fs::path file = dir / "airfield.dat";
    writeAllText(file, "root's");
    ::chmod(file.c_str(), 0644);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(kNogroup) != 0 || ::setuid(kNobody) != 0)
            std::_Exit(3);
        try {
            writeFileAtomically(file, std::string_view("nobody's"));
        } catch (const IoError& e) {
            std::_Exit(e.describe() == "airfield.dat: File access denied" ? 0 : 1);
        }
        std::_Exit(2);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: another message, 2: replaced, 3: could not become nobody";
    EXPECT_EQ(readAllText(file), "root's");
    EXPECT_EQ(statOf(file).st_uid, 0u);
}

} // namespace
} // namespace common
