// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlPage.h"

#include "wingsmith/core/FltRecord.h"
#include "wingsmith/core/RecordFields.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>

namespace wingsmith {

namespace {

// A block of the flight record: its fields are those whose offset lies in
// [from, to).
struct Block {
    std::size_t from;
    std::size_t to;
    const char* grid;
    int decimals;
};

} // namespace

ControlPage::ControlPage(const PageCatalogue& catalogue, PageHooks& hooks, QWidget* parent)
    : FieldPage(FieldPages::kControl, catalogue, hooks, parent)
{
    using namespace FltRecord;
    const Block blocks[] = {{kControlSurfaces, kFlightLimits, "StringGrid7", 4},
        {kFlightLimits, kMassValues, "StringGrid8", 5}, {kMassValues, kStability, "StringGrid9", 6}};
    constexpr std::size_t kBlocks = std::size(blocks);

    // A field outside every block goes to the last.
    std::vector<PageField> members[kBlocks];
    for (const PageField& pf : fields()) {
        std::size_t b = 0;
        while (b + 1 < kBlocks && !(pf.field->offset >= blocks[b].from && pf.field->offset < blocks[b].to))
            ++b;
        members[b].push_back(pf);
    }

    StringGrid* grids[kBlocks];
    for (std::size_t i = 0; i < kBlocks; ++i) {
        QStringList captions;
        std::vector<int> unknownRows;
        for (const PageField& pf : members[i]) {
            if (pf.field->caption == "Unknown")
                unknownRows.push_back(static_cast<int>(captions.size()));
            captions << shown(pf.field->caption) + QStringLiteral(" ");
        }
        grids[i] = addGrid(blocks[i].grid, std::move(members[i]), 1, blocks[i].decimals, 125);
        grids[i]->setRowCaptions(captions);
        for (int r : unknownRows)
            grids[i]->setRowToolTip(r, unknownValueTip());
    }

    auto* layout = new QGridLayout(widget());
    layout->setHorizontalSpacing(24);
    layout->addWidget(caption(text(QT_TRANSLATE_NOOP("wingsmith::MainWindow", "Control surfaces"))), 0, 0);
    layout->addWidget(grids[0], 1, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(caption(text(QT_TRANSLATE_NOOP("wingsmith::MainWindow", "Flight limits"))), 0, 1);
    layout->addWidget(grids[1], 1, 1, Qt::AlignTop);
    layout->addWidget(caption(text(QT_TRANSLATE_NOOP("wingsmith::MainWindow", "Mass"))), 2, 1, Qt::AlignBottom);
    layout->addWidget(grids[2], 3, 1, Qt::AlignTop);
    layout->setColumnStretch(2, 1);
    layout->setRowStretch(3, 1);
}

} // namespace wingsmith
