// SPDX-License-Identifier: GPL-3.0-or-later
#include "mods/core/BackupRestore.h"
#include "mods/core/GameFileKinds.h"
#include "mods/core/InstallationFiles.h"
#include "mods/core/InstalledMods.h"
#include "mods/core/ModError.h"
#include "mods/core/ModFile.h"
#include "mods/core/ModMaker.h"
#include "mods/core/ModOperations.h"
#include "mods/core/Sha256.h"
#include "mods/testing/DemoGame.h"

#include "wingsmith/core/AircraftRoster.h"

#include "common/testing/TempDir.h"
#include "common/testing/WriteFailureWalk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <thread>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;
using modstest::Bytes;

// Each test works on a copy of the demo game.
class ModInstall : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::copy(modstest::demoGame(), game(), fs::copy_options::recursive);
        start_ = modstest::gameSnapshot(game());
    }
    fs::path game() const { return dir_.path() / "game"; }

    // The field's text as the game holds it now.
    std::string value(const std::string& file, const std::string& record, const std::string& field) const
    {
        return modstest::fieldText(game(), file, record, field);
    }

    static mods::Mod fieldMod(const std::string& name, std::vector<mods::FileChange> files)
    {
        mods::Mod m;
        m.name = name;
        m.version = "1.0.0";
        m.files = std::move(files);
        return m;
    }
    mods::FileChange flightChange(const std::string& field, const std::string& to) const
    {
        return {.file = "P51D.FLT",
            .kind = "flight record",
            .fields = {{"P-51D", field, value("P51D.FLT", "P-51D", field), to}}};
    }
    void install(const mods::Mod& m, bool over = false) { mods::installMod(m, game(), {.over = over}); }

    common::TempDir dir_;
    std::map<std::string, Bytes> start_;
};

TEST_F(ModInstall, TwoModsOnOneFileLiveSideBySideAndComeOffInEitherOrder)
{
    const auto a = fieldMod("A", {flightChange("engineBestAltitude", "8200")});
    const auto b = fieldMod("B", {flightChange("aileronsRate", "3.5")});
    install(a);
    install(b);
    EXPECT_EQ(value("P51D.FLT", "P-51D", "engineBestAltitude"), "8200");
    EXPECT_EQ(value("P51D.FLT", "P-51D", "aileronsRate"), "3.5");
    const auto list = mods::installedMods(game());
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].name, "A");
    EXPECT_EQ(list[1].state(), "intact");

    const auto removed = mods::removeMod("A", game(), false);
    EXPECT_EQ(removed.putBack, 1u);
    EXPECT_EQ(value("P51D.FLT", "P-51D", "engineBestAltitude"), a.files[0].fields[0].from);
    EXPECT_EQ(value("P51D.FLT", "P-51D", "aileronsRate"), "3.5");
    mods::removeMod("B", game(), false);
    EXPECT_EQ(modstest::gameSnapshot(game()), start_);
    EXPECT_TRUE(mods::installedMods(game()).empty());
}

TEST_F(ModInstall, StackedModsComeOffInEveryOrderLeavingTheGameAsItWas)
{
    std::vector<std::string> order{"A", "B", "C"};
    do {
        SCOPED_TRACE(order[0] + order[1] + order[2]);
        install(fieldMod("A", {flightChange("engineBestAltitude", "8200")}));
        install(fieldMod("B",
            {
                flightChange("aileronsRate", "3.5"),
            }));
        // C sets B's field once more, and one of its own.
        auto c = fieldMod("C", {flightChange("aileronsRate", "4.25")});
        c.files[0].fields.push_back({"P-51D", "emptyMass", value("P51D.FLT", "P-51D", "emptyMass"), "3500"});
        EXPECT_THROW(install(c), mods::ModError);
        install(c, true);
        EXPECT_EQ(value("P51D.FLT", "P-51D", "aileronsRate"), "4.25");
        for (const auto& name : order)
            mods::removeMod(name, game(), false);
        EXPECT_EQ(modstest::gameSnapshot(game()), start_);
    } while (std::next_permutation(order.begin(), order.end()));
}

// Random mods over random fields of random files, installed on top of each
// other and removed in a random order: the game ends as it began.
TEST_F(ModInstall, RandomModsRemovedInRandomOrderLeaveTheGameAsItWas)
{
    std::mt19937 random(20261210);
    std::vector<std::string> files{"P51D.FLT", "planes.dat", "FLT.CDF"};
    for (int round = 0; round < 6; ++round) {
        SCOPED_TRACE(round);
        std::vector<std::string> names;
        for (int m = 0; m < 4; ++m) {
            mods::Mod mod = fieldMod("M" + std::to_string(m), {});
            for (const auto& file : files) {
                const Bytes bytes = mods::readBytes(game() / file);
                const auto* catalogue = mods::catalogueFor(file);
                auto places = catalogue->fields(bytes);
                // A few fields, so that mods meet on some of them.
                places.resize(std::min<std::size_t>(places.size(), 12));
                mods::FileChange change{.file = file, .kind = std::string(catalogue->kind())};
                for (const auto& p : places) {
                    if (random() % 3)
                        continue;
                    if (auto c
                        = modstest::flippedField(*catalogue, bytes, p, static_cast<std::uint8_t>(1 + random() % 4)))
                        change.fields.push_back(std::move(*c));
                }
                if (!change.fields.empty())
                    mod.files.push_back(std::move(change));
            }
            mods::installMod(mod, game(), {.over = true, .force = true});
            names.push_back(mod.name);
        }
        std::shuffle(names.begin(), names.end(), random);
        for (const auto& name : names) {
            const auto out = mods::removeMod(name, game(), false);
            EXPECT_TRUE(out.leftAlone.empty()) << out.leftAlone.front();
        }
        EXPECT_EQ(modstest::gameSnapshot(game()), start_);
    }
}

TEST_F(ModInstall, AConflictOrAChangedFieldIsRefusedWithNothingWritten)
{
    install(fieldMod("A", {flightChange("engineBestAltitude", "8200")}));
    const auto before = modstest::folderSnapshot(game());
    auto b = fieldMod("B", {flightChange("engineBestAltitude", "9000")});
    try {
        install(b);
        ADD_FAILURE() << "conflict installed";
    } catch (const mods::ModError& e) {
        const std::string m = e.what();
        for (const char* part : {"Mod B", "P51D.FLT P-51D engineBestAltitude", "installed mod A", "8200", "9000"})
            EXPECT_NE(m.find(part), std::string::npos) << m;
    }
    // A mod made before A: its `from` is neither the game's value nor A's.
    b.files[0].fields[0].from = "7000";
    b.name = "C";
    EXPECT_THROW(install(b), mods::ModError);
    EXPECT_EQ(modstest::folderSnapshot(game()), before);

    // check says how each change meets the game, and by which mod.
    const auto checks = mods::checkMod(b, game());
    ASSERT_EQ(checks.size(), 1u);
    EXPECT_EQ(checks[0].state, mods::ChangeCheck::State::changed);
    EXPECT_EQ(checks[0].heldBy, "A");
    EXPECT_EQ(checks[0].conflictWith, "A");
}

TEST_F(ModInstall, AFieldEditedSinceIsLeftAloneOnRemovalAndNamed)
{
    install(fieldMod("A",
        {
            flightChange("engineBestAltitude", "8200"),
        }));
    // An edit outside any mod, as Wingsmith would save it.
    modstest::setFieldText(game(), "P51D.FLT", "P-51D", "engineBestAltitude", "8400");
    EXPECT_EQ(mods::installedMods(game())[0].state(), "partly changed since");

    auto b = fieldMod("B", {flightChange("engineBestAltitude", "9000")});
    b.files[0].fields[0].from = "8000";
    EXPECT_THROW(install(b), mods::ModError); // neither from nor a mod's value
    mods::installMod(b, game(), {.force = true});
    mods::removeMod("B", game(), false);
    EXPECT_EQ(value("P51D.FLT", "P-51D", "engineBestAltitude"), "8400");

    const auto out = mods::removeMod("A", game(), false);
    ASSERT_EQ(out.leftAlone.size(), 1u);
    EXPECT_NE(out.leftAlone[0].find("holds 8400"), std::string::npos) << out.leftAlone[0];
    EXPECT_EQ(value("P51D.FLT", "P-51D", "engineBestAltitude"), "8400");
}

TEST_F(ModInstall, ChangesTheGameCannotTakeAreRefusedBeforeAnythingIsWritten)
{
    const auto before = modstest::folderSnapshot(game());
    fs::create_directory(dir_.path() / "outside");
    // MinGW's library cannot make links: that case then waits for Linux.
    std::error_code noLinks;
    fs::create_directory_symlink(dir_.path() / "outside", game() / "link", noLinks);
    const auto good = flightChange("engineBestAltitude", "8200");
    const auto withField = [&](std::string record, std::string field, std::string to) {
        auto f = good;
        f.fields[0] = {record, field, good.fields[0].from, to};
        return fieldMod("Bad", {flightChange("aileronsRate", "3.5"), f});
    };
    const auto whole = [](std::string file, std::string replaces) {
        return fieldMod(
            "Bad", {{.file = file, .kind = mods::kWholeFileKind, .whole = mods::WholeFile{{1, 2}, replaces}}});
    };
    const std::vector<std::pair<mods::Mod, std::string>> cases{
        {withField("P-51D", "noSuchField", "1"), "P51D.FLT P-51D noSuchField: the file holds no such record"},
        {withField("P-99", "engineBestAltitude", "1"), "holds no such record"},
        {withField("P-51D", "engineBestAltitude", "fast"), "P51D.FLT P-51D engineBestAltitude"},
        {fieldMod("Bad", {{.file = "NOPE.FLT", .kind = "flight record", .fields = {{"P-51D", "emptyMass", "1", "2"}}}}),
            "NOPE.FLT: the game folder does not hold it"},
        {fieldMod("Bad", {{.file = "P51D.FLT", .kind = "loadout", .fields = {}}}), "not a loadout file"},
        {fieldMod("Bad", {{.file = "airbase.txt", .kind = "x", .fields = {}}}), "no catalogue knows"},
        {whole("link/evil.bmp", "new"), "leads out of the game folder"},
        {whole("hangar.bmp", std::string(64, '0')), "hangar.bmp: it holds"},
        {whole("none/x.bmp", "new"), "its folder none"},
    };
    for (const auto& [mod, reason] : cases) {
        if (noLinks && mod.files[0].file.starts_with("link/"))
            continue;
        try {
            mods::installMod(mod, game(), {});
            ADD_FAILURE() << "installed: " << reason;
        } catch (const mods::ModError& e) {
            EXPECT_NE(std::string(e.what()).find(reason), std::string::npos) << e.what();
        }
    }
    fs::remove(game() / "link");
    EXPECT_EQ(modstest::folderSnapshot(game()), before);
}

TEST_F(ModInstall, WholeFilesGoInAndComeOutAgain)
{
    const Bytes picture = mods::readBytes(game() / "hangar.bmp");
    auto m = fieldMod("Pictures",
        {{.file = "hangar.bmp",
             .kind = mods::kWholeFileKind,
             .whole = mods::WholeFile{{'B', 'M', 1}, mods::sha256Hex(picture)}},
            {.file = "Splash/extra.bmp",
                .kind = mods::kWholeFileKind,
                .whole = mods::WholeFile{{'B', 'M', 2}, "new"}}});
    const auto dry = mods::installMod(m, game(), {.dryRun = true});
    EXPECT_EQ(dry.filesWritten.size(), 2u);
    EXPECT_EQ(modstest::gameSnapshot(game()), start_);
    install(m);
    EXPECT_EQ(mods::readBytes(game() / "hangar.bmp"), (Bytes{'B', 'M', 1}));
    EXPECT_TRUE(fs::exists(game() / "Splash/extra.bmp"));
    EXPECT_EQ(modstest::gameSnapshot(mods::InstalledMods::file(game()).parent_path() / "saved").size(), 1u);
    mods::removeMod("Pictures", game(), false);
    EXPECT_EQ(modstest::gameSnapshot(game()), start_);
    EXPECT_TRUE(modstest::gameSnapshot(mods::InstalledMods::file(game()).parent_path() / "saved").empty());
}

TEST_F(ModInstall, AMadeModTurnsTheBaseIntoTheEditedCopy)
{
    const fs::path edited = dir_.path() / "edited";
    fs::copy(game(), edited, fs::copy_options::recursive);
    const auto edit = [&](const std::string& file, const std::string& record, const std::string& field,
                          const std::string& to) { modstest::setFieldText(edited, file, record, field, to); };
    edit("P51D.FLT", "P-51D", "engineBestAltitude", "8200");
    edit("planes.dat", "P-51D", "gun1.ammo", "300");
    Bytes flt = mods::readBytes(edited / "FLT.CDF");
    flt[3] ^= 0x40; // a byte no field covers: the file goes whole
    common::writeAllBytes(edited / "FLT.CDF", flt);
    common::writeAllBytes(edited / "Splash" / "new.bmp", {'B', 'M'});
    fs::remove(edited / "airbase.txt");

    mods::Mod manifest;
    manifest.name = "Edits";
    manifest.version = "0.1.0";
    const auto made = mods::makeMod(mods::installationSources(game()), mods::installationSources(edited), manifest);
    EXPECT_EQ(made.notCarried, std::vector<std::string>{"airbase.txt"});
    std::map<std::string, std::string> kinds;
    for (const auto& f : made.mod.files)
        kinds[f.file] = f.kind;
    EXPECT_EQ(kinds,
        (std::map<std::string, std::string>{{"FLT.CDF", "whole file"}, {"P51D.FLT", "flight record"},
            {"Splash/new.bmp", "whole file"}, {"planes.dat", "gun table"}}));

    // Through its text, as a shared mod travels.
    mods::installMod(mods::readMod(mods::modText(made.mod), "Edits.vmod"), game(), {});
    fs::remove(edited / "Splash" / "new.bmp");
    fs::remove(game() / "Splash" / "new.bmp");
    auto want = modstest::gameSnapshot(edited);
    auto got = modstest::gameSnapshot(game());
    got.erase("airbase.txt");
    EXPECT_EQ(got, want);
}

TEST_F(ModInstall, AMissingFileOrADamagedRecordIsNamedNotGuessedAt)
{
    install(fieldMod("A",
        {flightChange("engineBestAltitude", "8200"),
            {.file = "planes.dat",
                .kind = "gun table",
                .fields = {{"P-51D", "gun1.ammo", value("planes.dat", "P-51D", "gun1.ammo"), "300"}}}}));
    fs::remove(game() / "planes.dat");
    EXPECT_EQ(mods::installedMods(game()).at(0).state(), "files missing");
    const auto out = mods::removeMod("A", game(), false);
    EXPECT_EQ(out.putBack, 1u);
    ASSERT_EQ(out.leftAlone.size(), 1u);
    EXPECT_NE(out.leftAlone[0].find("planes.dat P-51D gun1.ammo was not put back"), std::string::npos)
        << out.leftAlone[0];
    EXPECT_TRUE(mods::installedMods(game()).empty());

    // A record that does not read refuses every operation, and writes nothing.
    common::writeAllBytes(mods::InstalledMods::file(game()), {'{', '"'});
    const auto before = modstest::folderSnapshot(game());
    for (const auto& run : std::vector<std::function<void()>>{[&] { install(fieldMod("B", {})); },
             [&] { mods::removeMod("A", game(), false); }, [&] { mods::installedMods(game()); }}) {
        try {
            run();
            ADD_FAILURE() << "a damaged record was read";
        } catch (const mods::ModError& e) {
            EXPECT_NE(std::string(e.what()).find("installed.json does not read"), std::string::npos) << e.what();
        }
    }
    EXPECT_EQ(modstest::folderSnapshot(game()), before);
}

// A game the tools never opened keeps its flight records in FLT.CDF only:
// a mod takes the loose file out as they would, and the last mod removed
// takes it away again.
TEST_F(ModInstall, ALooseFileStillInItsArchiveIsTakenOutAndGoesAgain)
{
    for (int p = 0; p < wingsmith::kAircraftCount; ++p)
        fs::remove(game() / wingsmith::rosterByPosition(p).fltName);
    fs::remove(game() / "planes.dat");
    const auto fresh = modstest::gameSnapshot(game());

    // Mods made on a copy that Wingsmith opened (every loose file out) and edited.
    const fs::path edited = dir_.path() / "edited";
    fs::copy(modstest::demoGame(), edited, fs::copy_options::recursive);
    // Sets the field and says what it held.
    const auto edit = [&](const std::string& field, const std::string& to) {
        return modstest::setFieldText(edited, "P51D.FLT", "P-51D", field, to);
    };
    mods::Mod manifest;
    manifest.version = "1.0.0";
    manifest.name = "A";
    const std::string altitude = edit("engineBestAltitude", "8200");
    const auto a
        = mods::makeMod(mods::installationSources(game()), mods::installationSources(edited), manifest, game());
    manifest.name = "B";
    edit("engineBestAltitude", altitude);
    const std::string rate = edit("aileronsRate", "3.5");
    auto b = mods::makeMod(mods::installationSources(game()), mods::installationSources(edited), manifest, game()).mod;
    // B is made where A's field is back as it was: only B's own field.
    std::erase_if(b.files, [](const mods::FileChange& f) { return f.file != "P51D.FLT"; });
    ASSERT_EQ(b.files.at(0).fields.size(), 1u);
    for (const auto& f : a.mod.files)
        EXPECT_NE(f.kind, mods::kWholeFileKind) << f.file;

    mods::installMod(a.mod, game(), {});
    mods::installMod(b, game(), {});
    EXPECT_EQ(value("P51D.FLT", "P-51D", "engineBestAltitude"), "8200");
    EXPECT_EQ(value("P51D.FLT", "P-51D", "aileronsRate"), "3.5");
    mods::removeMod("A", game(), false);
    EXPECT_EQ(value("P51D.FLT", "P-51D", "aileronsRate"), "3.5");
    mods::removeMod("B", game(), false);
    EXPECT_EQ(modstest::gameSnapshot(game()), fresh);

    // Installed alone, A gives the edited copy: every loose file out, one changed.
    edit("aileronsRate", rate);
    edit("engineBestAltitude", "8200");
    mods::installMod(a.mod, game(), {});
    EXPECT_EQ(modstest::gameSnapshot(game()), modstest::gameSnapshot(edited));
}

TEST_F(ModInstall, ARestoreNamesTheModsItUndoesAndIsAllOrNothing)
{
    const fs::path backup = dir_.path() / "backup";
    fs::create_directories(backup);
    for (const char* name : {"P51D.FLT", "planes.dat"})
        fs::copy_file(game() / name, backup / name);
    install(fieldMod("A",
        {flightChange("engineBestAltitude", "8200"),
            {.file = "planes.dat",
                .kind = "gun table",
                .fields = {{"P-51D", "gun1.ammo", value("planes.dat", "P-51D", "gun1.ammo"), "300"}}}}));
    install(fieldMod("B",
        {{.file = "sqUS0001.dat",
            .kind = "squadron",
            .fields = {{"record 1", "aircraft", value("sqUS0001.dat", "record 1", "aircraft"), "3"}}}}));

    const auto dry = mods::restoreBackup(game(), backup, true);
    EXPECT_EQ(dry.files, (std::vector<std::string>{"P51D.FLT", "planes.dat"}));
    EXPECT_EQ(dry.modsUndone, std::vector<std::string>{"A"});
    EXPECT_EQ(value("P51D.FLT", "P-51D", "engineBestAltitude"), "8200");
    EXPECT_GT(common::walkWriteFailures(
                  game(), [&] { mods::restoreBackup(game(), backup, false); }, "P51D.FLT|planes.dat", 5),
        4);
    mods::restoreBackup(game(), backup, false);
    EXPECT_EQ(mods::readBytes(game() / "P51D.FLT"), start_.at("P51D.FLT"));
    EXPECT_EQ(mods::installedMods(game()).at(0).state(), "partly changed since");
}

// Every file-layer operation of an install and a removal failing in turn,
// and the run killed at each: the game is before or after, never between.
TEST_F(ModInstall, InstallAndRemoveAreAllOrNothingAcrossFiles)
{
    const auto m = fieldMod("A",
        {flightChange("engineBestAltitude", "8200"),
            {.file = "planes.dat",
                .kind = "gun table",
                .fields = {{"P-51D", "gun1.ammo", value("planes.dat", "P-51D", "gun1.ammo"), "300"}}}});
    // A run after a kill that had finished finds the mod installed.
    const auto installed = [&] { return mods::InstalledMods::load(game()).find("A") != nullptr; };
    const std::string names = "P51D.FLT|planes.dat|installed.json";
    EXPECT_GT(common::walkWriteFailures(
                  game(),
                  [&] {
                      if (!installed())
                          mods::installMod(m, game(), {});
                  },
                  names, 5),
        10);
    install(m);
    EXPECT_GT(common::walkWriteFailures(
                  game(),
                  [&] {
                      if (installed())
                          mods::removeMod("A", game(), false);
                  },
                  names, 5),
        10);
}

#ifndef _WIN32 // fork
// Two programs installing at once into one game: the second waits for the
// first, so neither's record of the installed mods is lost.
TEST_F(ModInstall, TwoInstallsAtOnceBothKeepTheirRecord)
{
    const auto a = fieldMod("A", {flightChange("engineBestAltitude", "8200")});
    const auto b = fieldMod("B", {flightChange("aileronsRate", "3.5")});
    const fs::path go = dir_.path() / "go";
    for (int round = 0; round < 6; ++round) {
        std::vector<pid_t> children;
        for (const mods::Mod* m : {&a, &b}) {
            const pid_t child = ::fork();
            if (child == 0) {
                while (!fs::exists(go))
                    std::this_thread::yield();
                int status = 0;
                try {
                    mods::installMod(*m, game(), {});
                } catch (...) {
                    status = 3;
                }
                std::_Exit(status);
            }
            children.push_back(child);
        }
        common::writeAllText(go, "");
        for (const pid_t child : children) {
            int status = 0;
            ::waitpid(child, &status, 0);
            ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "round " << round;
        }
        fs::remove(go);
        ASSERT_EQ(mods::installedMods(game()).size(), 2u) << "round " << round;
        EXPECT_EQ(value("P51D.FLT", "P-51D", "engineBestAltitude"), "8200");
        EXPECT_EQ(value("P51D.FLT", "P-51D", "aileronsRate"), "3.5");
        mods::removeMod("A", game(), false);
        mods::removeMod("B", game(), false);
        ASSERT_EQ(modstest::gameSnapshot(game()), start_);
    }
}
#endif

} // namespace
