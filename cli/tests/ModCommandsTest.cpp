// SPDX-License-Identifier: GPL-3.0-or-later
// vantor mod and restore on demo installations, as a modder runs them.
#include "DemoGameTest.h"

#include "mods/core/ModFile.h"
#include "mods/testing/DemoGame.h"

#include "common/core/TextLines.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace vantorcli {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

class ModCommands : public testing::DemoGameTest {
protected:
    common::ProgramRun ok(const QStringList& arguments) const
    {
        auto run = vantor(arguments);
        EXPECT_EQ(run.exitCode, 0) << arguments.join(' ').toStdString() << ": " << run.standardError;
        return run;
    }
    static QString q(const fs::path& p) { return QString::fromStdString(p.string()); }

    static void setField(
        const fs::path& file, const std::string& record, const std::string& field, const std::string& to)
    {
        modstest::setFieldText(file.parent_path(), file.filename().string(), record, field, to);
    }

    // A game where every program has written its files once.
    void writeEveryFile(const fs::path& dir, const std::string& layout) const
    {
        ok({"bases", "set", q(dir), "0", "1", "2", "3"});
        ok({"menu", "make", q(layout), "--side", "usa", "-o", q(dir / "picplna.mnu")});
    }
};

// Edits made the way each program saves them come out of `mod make` as
// field changes, and the mod installed on the base gives the edited copy.
TEST_F(ModCommands, AModMadeOfEveryProgramsEditsTurnsTheBaseIntoTheEditedCopy)
{
    const fs::path base = work / "base", edited = work / "edited";
    fs::copy(game, base, fs::copy_options::recursive);
    writeEveryFile(base, (game / "layout_usa.txt").string());
    fs::copy(base, edited, fs::copy_options::recursive);

    // Wingsmith's, Rosterly's and Sortiekit's edits through vantor: the
    // flight import takes P51D.FLT out of FLT.CDF as Wingsmith would.
    std::string exported
        = ok({"flight", "export", q(edited), "--aircraft", "P-51D", "--format", "json"}).standardOutput;
    const auto at = exported.find("\"aileronsRate\": ");
    ASSERT_NE(at, std::string::npos) << exported;
    exported.replace(at, exported.find(',', at) - at, "\"aileronsRate\": 2.5");
    common::writeAllBytes(work / "p51d.json", Bytes(exported.begin(), exported.end()));
    ok({"flight", "import", q(work / "p51d.json"), q(edited)});
    ok({"squadron", "set", q(edited / "sqUS0001.dat"), "1", "2"});
    ok({"bases", "set", q(edited), "4", "1", "2", "3"});
    // Ordnix's and Menuwright's as they save them: one value, one rectangle.
    setField(edited / "loadout.dat", "record 0", "usedSlots", "1");
    std::string layout = common::readFileBytes(game / "layout_usa.txt");
    layout.replace(layout.find("118"), 3, "120");
    common::writeAllBytes(work / "layout.txt", Bytes(layout.begin(), layout.end()));
    ok({"menu", "make", q(work / "layout.txt"), "--side", "usa", "-o", q(edited / "picplna.mnu")});
    setField(edited / "FLT.CDF", "P-51D", "engineBestAltitude", "8200");
    fs::remove_all(edited / "Backups");

    ok({"mod", "make", q(base), q(edited), "-o", q(work / "all.vmod"), "--name", "All", "--version", "1.0.0"});
    const std::string text = common::readFileBytes(work / "all.vmod");
    const mods::Mod mod = mods::readMod(text, "all.vmod");
    std::set<std::string> kinds;
    for (const auto& f : mod.files)
        kinds.insert(f.kind);
    EXPECT_EQ(kinds,
        (std::set<std::string>{"airfield", "flight record", "flight record archive", "loadout", "menu", "squadron"}))
        << text.substr(0, 2000);

    const std::string shown = ok({"mod", "show", q(work / "all.vmod")}).standardOutput;
    EXPECT_NE(shown.find("FLT.CDF: P-51D engineBestAltitude "), std::string::npos) << shown;
    EXPECT_NE(shown.find("\u2192 8200"), std::string::npos) << shown;

    EXPECT_EQ(ok({"mod", "check", q(work / "all.vmod"), q(base)}).standardOutput.find("changed"), std::string::npos);
    ok({"mod", "install", q(work / "all.vmod"), q(base)});
    const auto diff = vantor({"diff", q(base), q(edited)});
    EXPECT_EQ(diff.exitCode, 0) << diff.standardOutput;
    EXPECT_EQ(ok({"mod", "list", q(base)}).standardOutput,
        "1. All 1.0.0, " + std::to_string(mod.changeCount()) + " changes, intact\n");
    ok({"mod", "remove", "All", q(base)});
    fs::copy(game, work / "fresh", fs::copy_options::recursive);
    writeEveryFile(work / "fresh", (game / "layout_usa.txt").string());
    const auto after = vantor({"diff", q(base), q(work / "fresh")});
    EXPECT_EQ(after.exitCode, 0) << after.standardOutput;
}

TEST_F(ModCommands, ConflictsAreNamedAndOverPutsAModOnTop)
{
    const fs::path a = work / "a", b = work / "b";
    fs::copy(game, a, fs::copy_options::recursive);
    fs::copy(game, b, fs::copy_options::recursive);
    setField(a / "FLT.CDF", "P-51D", "engineBestAltitude", "8200");
    setField(b / "FLT.CDF", "P-51D", "engineBestAltitude", "8300");
    ok({"mod", "make", q(game), q(a), "-o", q(work / "A.vmod"), "--name", "A", "--version", "1.0.0"});
    ok({"mod", "make", q(game), q(b), "-o", q(work / "B.vmod"), "--name", "B", "--version", "2.0.0"});

    const auto conflicts = vantor({"mod", "conflicts", q(work / "A.vmod"), q(work / "B.vmod"), "--format", "json"});
    EXPECT_EQ(conflicts.exitCode, 1);
    const auto rows = QJsonDocument::fromJson(QByteArray::fromStdString(conflicts.standardOutput)).array();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].toObject()["field"].toString(), "engineBestAltitude");
    EXPECT_EQ(rows[0].toObject()["valueB"].toString(), "8300");

    ok({"mod", "install", q(work / "A.vmod"), q(game)});
    const auto before = snapshot(game);
    const auto refused = vantor({"mod", "install", q(work / "B.vmod"), q(game)});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.standardError.find("installed mod A set it to 8200, and this mod sets 8300"), std::string::npos)
        << refused.standardError;
    EXPECT_EQ(snapshot(game), before);
    EXPECT_EQ(vantor({"mod", "check", q(work / "B.vmod"), q(game)}).exitCode, 1);
    // A dry run says what it would do and writes nothing.
    EXPECT_NE(
        ok({"mod", "install", q(work / "B.vmod"), q(game), "--over", "--dry-run"}).standardOutput.find("would install"),
        std::string::npos);
    EXPECT_EQ(snapshot(game), before);
    ok({"mod", "install", q(work / "B.vmod"), q(game), "--over"});
    ok({"mod", "remove", "A", q(game)});
    const auto list = QJsonDocument::fromJson(
        QByteArray::fromStdString(ok({"mod", "list", q(game), "--format", "json"}).standardOutput))
                          .array();
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list[0].toObject()["name"].toString(), "B");
    ok({"mod", "remove", q(work / "B.vmod"), q(game)});
    fs::remove_all(game / "Mods");
    fs::remove_all(game / "Backups");
    fs::create_directory(work / "demo");
    demogen::writeDemoInstallation(work / "demo");
    EXPECT_EQ(vantor({"diff", q(game), q(work / "demo")}).exitCode, 0);
}

TEST_F(ModCommands, ABadModIsRefusedInOneSentenceWithNothingWritten)
{
    const auto before = snapshot(game);
    const std::vector<std::pair<std::string, std::string>> cases{
        {"{\"name\": \"x\"", "is not JSON"},
        {R"({"name":"Evil","version":"1.0.0","changes":[{"file":"../x.dat","kind":"whole file","replaces":"new","content":""}]})",
            "does not lie below the game folder"},
        {R"({"name":"Odd","version":"1.0.0","changes":[{"file":"P51D.FLT","kind":"flight record","fields":[{"record":"P-51D","field":"warpDrive","from":"1","to":"2"}]}]})",
            "P51D.FLT P-51D warpDrive: the file holds no such record and field"},
        {R"({"name":"Far","version":"1.0.0","changes":[{"file":"sqUS0001.dat","kind":"squadron","fields":[{"record":"record 1","field":"aircraft","from":"0","to":"300"}]}]})",
            "sqUS0001.dat record 1 aircraft"},
    };
    for (const auto& [text, reason] : cases) {
        common::writeAllBytes(work / "bad.vmod", Bytes(text.begin(), text.end()));
        const auto run = vantor({"mod", "install", q(work / "bad.vmod"), q(game)});
        EXPECT_EQ(run.exitCode, 1) << reason;
        EXPECT_NE(run.standardError.find(reason), std::string::npos) << run.standardError;
        EXPECT_EQ(std::count(run.standardError.begin(), run.standardError.end(), '\n'), 1) << run.standardError;
    }
    EXPECT_EQ(snapshot(game), before);
}

TEST_F(ModCommands, RestorePutsABackupBackAndNamesTheModsItUndoes)
{
    const fs::path a = work / "a";
    fs::copy(game, a, fs::copy_options::recursive);
    setField(a / "FLT.CDF", "P-51D", "engineBestAltitude", "8200");
    ok({"mod", "make", q(game), q(a), "-o", q(work / "A.vmod"), "--name", "A", "--version", "1.0.0"});
    ok({"mod", "install", q(work / "A.vmod"), q(game)});
    const std::string listed = ok({"restore", q(game), "--list"}).standardOutput;
    ASSERT_EQ(listed.rfind("Backups/vantor-", 0), 0u) << listed;
    const std::string folder = listed.substr(0, listed.find(':'));
    const std::string out = ok({"restore", q(game), QString::fromStdString(folder)}).standardOutput;
    EXPECT_NE(out.find("undoes changes of installed mod A"), std::string::npos) << out;
    EXPECT_EQ(common::readAllBytes(game / "FLT.CDF"), common::readAllBytes(work / "game" / folder / "FLT.CDF"));
    EXPECT_NE(ok({"mod", "list", q(game)}).standardOutput.find("partly changed since"), std::string::npos);
}

} // namespace
} // namespace vantorcli
