// SPDX-License-Identifier: GPL-3.0-or-later
#include "StabilityPage.h"

#include "wingsmith/core/RecordFields.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>

#include <algorithm>
#include <string_view>

namespace wingsmith {

namespace {

// A block's fields are those whose name starts with its prefix.
struct Block {
    const char* prefix;
    const char* grid;
    const char* caption;
    std::vector<int> engineRows;
    int wingspanRow;
};

} // namespace

StabilityPage::StabilityPage(const PageCatalogue& catalogue, PageHooks& hooks, QWidget* parent)
    : FieldPage(FieldPages::kStability, catalogue, hooks, parent)
{
    const Block blocks[]
        = {{"drag", "StringGrid1", QT_TRANSLATE_NOOP("wingsmith::MainWindow", "Drag stability "), {3}, -1},
            {"sideforce", "StringGrid2", QT_TRANSLATE_NOOP("wingsmith::MainWindow", "Sideforce stability "),
                {2, 3, 4, 5}, 1},
            {"lift", "StringGrid3", QT_TRANSLATE_NOOP("wingsmith::MainWindow", "Lift stability "), {}, -1},
            {"roll", "StringGrid4", QT_TRANSLATE_NOOP("wingsmith::MainWindow", "Roll stability "), {5, 6, 7, 8}, 1},
            {"pitch", "StringGrid5", QT_TRANSLATE_NOOP("wingsmith::MainWindow", "Pitch stability "), {}, 1},
            {"yaw", "StringGrid6", QT_TRANSLATE_NOOP("wingsmith::MainWindow", "Yaw stability "), {5, 6, 7, 8}, -1}};
    constexpr std::size_t kBlocks = std::size(blocks);

    // A field no block names goes to the last.
    std::vector<PageField> members[kBlocks];
    for (const PageField& pf : fields()) {
        std::size_t b = 0;
        while (b + 1 < kBlocks && std::string_view(pf.field->name).rfind(blocks[b].prefix, 0) != 0)
            ++b;
        members[b].push_back(pf);
    }

    auto* layout = new QGridLayout(widget());
    layout->setHorizontalSpacing(24);
    layout->setVerticalSpacing(4);
    for (std::size_t i = 0; i < kBlocks; ++i) {
        const Block& s = blocks[i];
        const int rows = static_cast<int>(members[i].size());
        StringGrid* g = addGrid(s.grid, std::move(members[i]), 1, FieldGrid::kGeneral, 150);
        QStringList marks;
        for (int r = 0; r < rows; ++r) {
            if (std::find(s.engineRows.begin(), s.engineRows.end(), r) != s.engineRows.end())
                marks << text("Engine");
            else if (r == s.wingspanRow)
                marks << text("Wingspan/area");
            else
                marks << QString();
        }
        // The marks take the same width in every grid, so the columns align;
        // the current row's mark is drawn bold, so it is measured bold.
        QFont bold = g->verticalHeader()->font();
        bold.setBold(true);
        g->verticalHeader()->setFixedWidth(QFontMetrics(bold).horizontalAdvance("Wingspan/area")
            + 2 * g->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, g) + 8);
        g->setRowCaptions(marks);
        auto* caption = new QLabel(text(s.caption));
        QFont f = caption->font();
        f.setBold(true);
        caption->setFont(f);
        const int col = static_cast<int>(i) % 3;
        const int row = (static_cast<int>(i) / 3) * 2;
        layout->addWidget(caption, row, col, Qt::AlignLeft | Qt::AlignBottom);
        layout->addWidget(g, row + 1, col, Qt::AlignLeft | Qt::AlignTop);
    }
    layout->setRowStretch(4, 1);
    layout->setColumnStretch(3, 1);
}

} // namespace wingsmith
