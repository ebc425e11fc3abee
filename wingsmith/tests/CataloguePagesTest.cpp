// SPDX-License-Identifier: GPL-3.0-or-later
#include "DemoGame.h"

#include "ui/MainWindow.h"
#include "ui/StringGrid.h"

#include "wingsmith/core/FltRecord.h"
#include "wingsmith/core/NumberFormat.h"
#include "wingsmith/core/RecordFields.h"

#include "common/core/LittleEndian.h"
#include "common/testing/ScriptedDialogs.h"

#include <QApplication>
#include <QListWidget>
#include <QSettings>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace wingsmith {
namespace {

using testing::DemoGame;

// A field that is on no page yet, added to a copy of the catalogue: the
// page it names shows it without a line of its own.
struct AddedField {
    const char* name;
    std::size_t offset; // a value the aircraft holds, seen a second time
    const char* page;
    const char* sheet;
    const char* grid;
    int rows;        // the grid's rows with the new field
    QString caption; // its row's caption; empty where the page marks rows
    int gunGroup = 0;
    const char* subSheet = nullptr;
    QString shownAs(float v) const
    {
        return QString::fromStdString(std::string(page) == FieldPages::kControl ? formatFixed(v, 5) : formatGeneral(v));
    }
};

class CataloguePagesTest : public ::testing::TestWithParam<AddedField> {
protected:
    DemoGame game;
    common::TempDir config;
    common::ScopedScriptedDialogs dialogs;
    std::vector<RecordField> flight = fltRecordFields();
    std::optional<AircraftCatalogue> catalogue;
    std::unique_ptr<MainWindow> form;

    CataloguePagesTest()
    {
        for (auto format : {QSettings::NativeFormat, QSettings::IniFormat})
            QSettings::setPath(format, QSettings::UserScope, QString::fromStdString((config / "qt").string()));
    }

    void open()
    {
        const AddedField& added = GetParam();
        flight.push_back(
            {added.name, added.offset, FieldType::Float, added.gunGroup, added.page, "Ceiling", 0, 0, nullptr});
        Settings settings(config / "Wingsmith.ini");
        settings.setResourcePath(game.path());
        catalogue.emplace(flight, gunTableRowFields());
        form = std::make_unique<MainWindow>(settings, *catalogue);
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        auto* pages = form->findChild<QTabWidget*>("PageControl1");
        pages->setCurrentWidget(form->findChild<QWidget*>(added.sheet));
        if (added.subSheet)
            form->findChild<QTabWidget*>("PageControl2")->setCurrentWidget(form->findChild<QWidget*>(added.subSheet));
    }

    float stored() const { return form->workspace().working[0].floatValue(RecordKind::FlightRecord, flight.back()); }
};

TEST_P(CataloguePagesTest, AFieldAddedToTheCatalogueIsShownAndCommittedOnItsPage)
{
    open();
    const AddedField& added = GetParam();
    auto* grid = form->findChild<StringGrid*>(added.grid);
    ASSERT_NE(grid, nullptr);
    ASSERT_EQ(grid->rowCount(), added.rows);
    const int row = added.rows - 1;
    if (!added.caption.isEmpty()) {
        EXPECT_EQ(grid->verticalHeaderItem(row)->text(), added.caption);
    }
    EXPECT_EQ(grid->cellText(row, 0), added.shownAs(stored()));

    grid->setFocus();
    grid->typeCell(row, 0, "1234");
    form->findChild<QListWidget*>("ListBox1")->setFocus();
    EXPECT_EQ(stored(), 1234.0f);
    form->Comparevalues();
    EXPECT_TRUE(form->workspace().fltChanged[0]);
    // One step, taken back like any other.
    form->document().undo();
    EXPECT_NE(stored(), 1234.0f);
    EXPECT_NE(grid->cellText(row, 0), added.shownAs(1234.0f));
}

// A field at a place no field held before: read from the aircraft's file,
// and written back by the save, alone.
class CataloguePagesSaveTest : public CataloguePagesTest {};

TEST_P(CataloguePagesSaveTest, AFieldAtANewPlaceIsReadFromTheFileAndSavedIntoIt)
{
    const AddedField& added = GetParam();
    open(); // extracts the loose files
    const auto before = common::readAllBytes(game / "P38H.FLT");
    EXPECT_EQ(common::le::floatToBits(stored()), common::le::getU32(before, added.offset));
    auto* grid = form->findChild<StringGrid*>(added.grid);
    ASSERT_NE(grid, nullptr);
    ASSERT_EQ(grid->rowCount(), added.rows);
    grid->setFocus();
    grid->typeCell(added.rows - 1, 0, "1234");
    form->findChild<QListWidget*>("ListBox1")->setFocus();
    form->BitBtn1Click();
    EXPECT_TRUE(dialogs->texts().isEmpty()) << dialogs->texts().join(" | ").toStdString();

    auto expected = before;
    common::le::putF32(expected, added.offset, 1234.0f);
    EXPECT_EQ(common::readAllBytes(game / "P38H.FLT"), expected);
}

INSTANTIATE_TEST_SUITE_P(NewPlace, CataloguePagesSaveTest,
    ::testing::Values(AddedField{"ceiling", 320, FieldPages::kControl, "TabSheet3", "StringGrid9", 9, "Ceiling "}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Pages, CataloguePagesTest,
    ::testing::Values(AddedField{"ceiling", FltRecord::kFlightLimits + 4 * 3, FieldPages::kControl, "TabSheet3",
                          "StringGrid8", 8, "Ceiling "},
        AddedField{
            "dragStability6", FltRecord::kStability + 4 * 5, FieldPages::kStability, "TabSheet1", "StringGrid1", 6, {}},
        AddedField{"engineHitPointsAgain", FltRecord::kCollisionEngineHitPoints, FieldPages::kDamage, "TabSheet8",
            "StringGrid17", 4, "Ceiling"},
        AddedField{"gun1.velocityAgain", FltRecord::kGunGroups + 4 * 5, FieldPages::kFltGun, "TabSheet4",
            "StringGrid10", 13, {}, 1, "TabSheet6"}),
    [](const auto& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), '.', '_');
        return name;
    });

} // namespace
} // namespace wingsmith
