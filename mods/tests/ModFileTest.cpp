// SPDX-License-Identifier: GPL-3.0-or-later
#include "mods/core/Base64.h"
#include "mods/core/ModError.h"
#include "mods/core/ModFile.h"
#include "mods/core/Sha256.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(std::string_view s)
{
    return {s.begin(), s.end()};
}

TEST(Sha256, MatchesPublishedDigestsAcrossBlockBoundaries)
{
    const std::vector<std::pair<std::string, std::string>> cases{
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        // 56 bytes: the length no longer fits the first block.
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
            "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {std::string(64, 'a'), "ffe054fe7ae0cb6dc65c3af9b61d5209f439851db43d0ba5997337df154668eb"},
        {std::string(1000, 'a'), "41edece42d63e8d9bf515a9ba6932e1c20cbc9f5a5d134645adb5db1b9737ea3"},
    };
    for (const auto& [text, digest] : cases)
        EXPECT_EQ(mods::sha256Hex(bytesOf(text)), digest) << text.size() << " bytes";
}

TEST(Base64, RoundTripsEveryTailLengthAndRefusesWhatIsNotBase64)
{
    for (std::size_t n = 0; n < 7; ++n) {
        Bytes b;
        for (std::size_t i = 0; i < n; ++i)
            b.push_back(static_cast<std::uint8_t>(0xfb - 37 * i));
        const std::string text = mods::base64Encode(b);
        EXPECT_EQ(text.size() % 4, 0u);
        EXPECT_EQ(mods::base64Decode(text), b) << text;
    }
    EXPECT_EQ(mods::base64Encode(bytesOf("Man")), "TWFu");
    EXPECT_EQ(mods::base64Encode(bytesOf("Ma")), "TWE=");
    for (const char* bad : {"TWF", "TW=u", "T===", "TWE=TWE=", "TW\nE=", "TWF!", "TWF=" /* stray bits */})
        EXPECT_FALSE(mods::base64Decode(bad)) << bad;
}

TEST(ModFile, VersionsAndPathsAreCheckedAsAStrangerMightWriteThem)
{
    for (const char* good : {"1.0.0", "0.2.10", "1.0.0-beta.2", "2.1.3+build.7", "1.0.0-rc.1+x"})
        EXPECT_TRUE(mods::isSemanticVersion(good)) << good;
    for (const char* bad : {"", "1", "1.0", "01.0.0", "1.0.0.0", "1.0.0-", "1.0.0-01", "v1.0.0", "1..0", "1.0.0+"})
        EXPECT_FALSE(mods::isSemanticVersion(bad)) << bad;

    const std::vector<std::pair<std::string, std::string>> paths{
        {"P51D.FLT", "P51D.FLT"}, {"Splash\\title.bmp", "Splash/title.bmp"}, {"a/b/c.dat", "a/b/c.dat"}};
    for (const auto& [in, out] : paths)
        EXPECT_EQ(mods::safeGamePath(in), out) << in;
    for (const char* bad :
        {"", "/etc/passwd", "\\x", "../x", "a/../../x", "a/./b", "a//b", "C:\\x.dat", "C:x", "a/", "a\tb"})
        EXPECT_FALSE(mods::safeGamePath(bad)) << bad;
}

const char* kMod = R"({
  "format": "vantor mod 1",
  "name": "Faster Mustang",
  "version": "1.2.0",
  "author": "Ann",
  "description": "More climb",
  "readme": "Install with vantor.",
  "made": "2026-12-10",
  "changes": [
    {"file": "P51D.FLT", "kind": "flight record",
     "fields": [{"record": "P-51D", "field": "engineBestAltitude", "from": "8000", "to": "8200", "note": "kept"}],
     "x-tool": {"v": 3}},
    {"file": "Splash/new.bmp", "kind": "whole file", "replaces": "new", "content": "TWFu"}
  ],
  "homepage": "https://example.org"
})";

TEST(ModFile, ReadsAndWritesAgainKeepingKeysItDoesNotKnow)
{
    const mods::Mod m = mods::readMod(kMod, "a.vmod");
    EXPECT_EQ(m.name, "Faster Mustang");
    ASSERT_EQ(m.files.size(), 2u);
    EXPECT_EQ(m.files[0].fields.at(0).to, "8200");
    EXPECT_EQ(m.files[1].whole->content, bytesOf("Man"));
    EXPECT_EQ(m.changeCount(), 2u);

    const std::string again = mods::modText(m);
    EXPECT_EQ(nlohmann::json::parse(again), nlohmann::json::parse(kMod));
    EXPECT_EQ(mods::modText(mods::readMod(again, "b.vmod")), again);
}

TEST(ModFile, RefusesBadInputInOneSentenceNamingTheModAndChange)
{
    const auto with = [](const std::string& from, const std::string& to) {
        std::string s = kMod;
        const auto at = s.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return s.replace(at, from.size(), to);
    };
    std::string many
        = R"({"name":"m","version":"1.0.0","changes":[{"file":"P51D.FLT","kind":"flight record","fields":[)";
    for (std::size_t i = 0; i <= mods::kMaxChanges; ++i)
        many += std::string(i ? "," : "") + R"({"record":"P-51D","field":"f)" + std::to_string(i)
            + R"(","from":"1","to":"2"})";
    many += "]}]}";
    std::string huge
        = R"({"name":"m","version":"1.0.0","readme":")" + std::string(100u << 20, 'x') + R"(","changes":[]})";

    const std::vector<std::pair<std::string, std::string>> cases{
        {"not json", "is not JSON"},
        {std::string(kMod).substr(0, 200), "is not JSON"},
        {"[1,2]", "is not a JSON object"},
        {with("\"1.2.0\"", "\"1.2\""), "not a semantic version"},
        {with(R"("name": "Faster Mustang")", R"("name": "a/b")"), "slash"},
        {with("\"P51D.FLT\"", "\"../P51D.FLT\""), "change 1: the file \"../P51D.FLT\" does not lie below"},
        {with("\"P51D.FLT\"", "\"/etc/passwd\""), "does not lie below"},
        {with("\"P51D.FLT\"", "\"C:\\\\P51D.FLT\""), "does not lie below"},
        {with("\"TWFu\"", "\"TW!u\""), "change 2 (Splash/new.bmp): \"content\" is not base64"},
        {with("\"replaces\": \"new\"", "\"replaces\": \"abc\""), "neither a SHA-256"},
        {with("\"to\": \"8200\"", "\"to\": [1]"), "change 1 (P51D.FLT) field 1: \"to\" is not a text"},
        {with("\"field\": \"engineBestAltitude\",", ""), "has no \"field\""},
        {with("\"Splash/new.bmp\"", "\"p51d.flt\""), "names the file p51d.flt a second time"},
        {with("\"vantor mod 1\"", "\"vantor mod 2\""), "another format"},
        {many, "more than 50000 changes"},
        {huge, "larger than 64 MB"},
    };
    for (const auto& [text, reason] : cases) {
        try {
            (void)mods::readMod(text, "bad.vmod");
            ADD_FAILURE() << "read: " << reason;
        } catch (const mods::ModError& e) {
            const std::string message = e.what();
            EXPECT_EQ(message.rfind("Mod bad.vmod", 0), 0u) << message;
            EXPECT_NE(message.find(reason), std::string::npos) << message;
            EXPECT_EQ(message.back(), '.') << message;
        }
    }
}

} // namespace
