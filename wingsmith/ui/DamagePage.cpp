// SPDX-License-Identifier: GPL-3.0-or-later
#include "DamagePage.h"

#include "AircraftPicture.h"
#include "UpDown.h"

#include "wingsmith/core/FltRecord.h"
#include "wingsmith/core/NumberFormat.h"
#include "wingsmith/core/RecordFields.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <string_view>

namespace wingsmith {

namespace {

// The captions the page gives rows of known fields; a field added later
// shows its catalogue caption.
QStringList captionsFor(const std::vector<PageField>& fields, const QStringList& known)
{
    QStringList out;
    for (std::size_t i = 0; i < fields.size(); ++i)
        out << (static_cast<qsizetype>(i) < known.size() ? known[static_cast<qsizetype>(i)]
                                                         : QString::fromStdString(fields[i].field->caption));
    return out;
}

// The hit-point fields' captions say so in front; the page shows the rest.
constexpr std::string_view kHitPointsPrefix = "Hit points: ";

// The first control names of the hit-point fields, counted on from there.
constexpr int kFirstHitPointEdit = 18;
constexpr int kFirstHitPointArrows = 15;
// Undo ids of the hit-point fields, apart from the window's own fields.
constexpr int kFirstHitPointControl = 100;

} // namespace

DamagePage::DamagePage(const PageCatalogue& catalogue, PageHooks& hooks, QWidget* parent)
    : FieldPage(FieldPages::kDamage, catalogue, hooks, parent)
{
    std::vector<PageField> bubbles;
    std::vector<PageField> collision;
    std::vector<PageField> points;
    for (const PageField& pf : fields()) {
        std::vector<PageField>* to = &collision;
        if (pf.record == RecordKind::GunTableRow)
            to = &points;
        else if (pf.field->offset >= FltRecord::kHitBubbles && pf.field->offset < FltRecord::kCollisionUnknown)
            to = &bubbles;
        to->push_back(pf);
    }

    auto* v = new QVBoxLayout(widget());
    v->setSpacing(10);

    v->addWidget(caption(text("Hitbubble position and size")));
    auto* bubbleRow = new QHBoxLayout;
    const std::size_t bubbleCount = bubbles.size();
    StringGrid* g16 = addGrid("StringGrid16", std::move(bubbles), 4, FieldGrid::kGeneral, 90);
    g16->setColumnCaptions(texts({" X ", " Y ", " Z ", " Size "}));
    QStringList rows = texts({" Front ", " Pilot ", " Middle ", " Tail ", " Right Inner Wing ", " Right Wing Tip ",
        " Left Inner Wing ", " Left Wing Tip "});
    while (static_cast<std::size_t>(rows.size()) * 4 < bubbleCount)
        rows << QString();
    g16->setRowCaptions(rows);
    bubbleRow->addWidget(g16, 0, Qt::AlignTop);
    auto* picture = new QLabel;
    picture->setObjectName("Image1");
    picture->setPixmap(aircraftPicture());
    picture->setFixedSize(120, 120);
    bubbleRow->addWidget(picture, 0, Qt::AlignTop);
    bubbleRow->addStretch();
    v->addLayout(bubbleRow);

    const QStringList collisionCaptions
        = captionsFor(collision, texts({" Unknown ", "Collision Radius", "Collision Engine Hit Points"}));
    std::vector<int> unknownRows;
    for (std::size_t i = 0; i < collision.size(); ++i)
        if (collision[i].field->caption == "Unknown")
            unknownRows.push_back(static_cast<int>(i));
    StringGrid* g17 = addGrid("StringGrid17", std::move(collision), 1, FieldGrid::kGeneral, 90);
    g17->setRowCaptions(collisionCaptions);
    for (int r : unknownRows)
        g17->setRowToolTip(r, unknownValueTip());
    auto* collisionRow = new QHBoxLayout;
    collisionRow->addWidget(g17);
    collisionRow->addStretch();
    v->addLayout(collisionRow);

    v->addWidget(caption(text(" Hitpoints ")));
    const char* marks[]
        = {QT_TRANSLATE_NOOP("wingsmith::MainWindow", "NCF"), QT_TRANSLATE_NOOP("wingsmith::MainWindow", "CF"),
            QT_TRANSLATE_NOOP("wingsmith::MainWindow", "CF"), QT_TRANSLATE_NOOP("wingsmith::MainWindow", "CF"),
            QT_TRANSLATE_NOOP("wingsmith::MainWindow", "CF"), QT_TRANSLATE_NOOP("wingsmith::MainWindow", "NCF"),
            QT_TRANSLATE_NOOP("wingsmith::MainWindow", "CF"), QT_TRANSLATE_NOOP("wingsmith::MainWindow", "NCF")};
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(3);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const PageField& pf = points[i];
        const int n = static_cast<int>(i);
        auto* edit = new QLineEdit;
        edit->setObjectName(numbered("Edit", kFirstHitPointEdit + n));
        edit->setFixedWidth(50);
        edit->setAlignment(Qt::AlignRight);
        auto* arrows = new UpDown(numbered("UpDown", kFirstHitPointArrows + n), edit, 0, 255);
        grid->addWidget(withArrows(edit, arrows), n, 0);
        QLabel* mark = new QLabel(i < std::size(marks) ? text(marks[i]) : QString());
        if (i < std::size(marks))
            mark->setToolTip(
                std::string_view(marks[i]) == "CF" ? text("Catastrophic Failure") : text("Not a Critical Failure"));
        grid->addWidget(mark, n, 1);
        std::string_view section = pf.field->caption;
        if (section.rfind(kHitPointsPrefix, 0) == 0)
            section.remove_prefix(kHitPointsPrefix.size());
        grid->addWidget(new QLabel(QStringLiteral(" ") + shown(std::string(section)) + QStringLiteral(" ")), n, 2);

        hitPoints_.push_back({pf, arrows});
        // The text as an integer, kept to the field's low bits.
        this->hooks().numberField(edit, kFirstHitPointControl + n, pf, false);
    }
    grid->setColumnStretch(3, 1);
    v->addLayout(grid);
    v->addWidget(new QLabel(text("NCF = Not a Critical Failure")));
    v->addWidget(new QLabel(text("CF = Catastrophic Failure")));
    v->addStretch();
}

void DamagePage::fill(const AircraftValues& values)
{
    FieldPage::fill(values);
    for (const HitPoints& h : hitPoints_)
        h.arrows->setPosition(static_cast<int>(values.integerValue(h.field.record, *h.field.field)));
}

} // namespace wingsmith
