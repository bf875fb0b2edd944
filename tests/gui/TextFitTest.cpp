// Every name the computer players' pool can hold, and the longest figures, in every label that
// shows them: each is drawn whole at the design size, set smaller or in two lines where it
// must, never cut. A label is measured as its own paint sets the text (ClickableLabel::fitOf,
// the statistics tables' cutCells, the chart's latestCaption).
#include <QEnterEvent>
#include <QFontMetricsF>
#include <QSet>
#include <QTest>
#include <functional>
#include <map>
#include <vector>

#include "front/StatisticsPanel.h"
#include "front/ZelvaroApp.h"
#include "rules/MatchOptions.h"
#include "store/Database.h"
#include "store/PlayerNames.h"
#include "store/StatisticsStore.h"
#include "tests/gui/GuiTestSupport.h"
#include "ui/ClickableLabel.h"
#include "ui/LastTrickView.h"
#include "ui/PlaceChart.h"
#include "ui/Stage.h"
#include "ui/StatisticsTable.h"

using namespace zelvaro;
using guitest::find;

namespace {

constexpr int kNameColumns = 20;  // columns 2..21 of a nazioni row

// Every surname of the name lists, and every "surname first name" of one nation: the names
// the pool is drawn from.
struct PoolNames {
    QStringList surnames;
    QStringList fullNames;
};

PoolNames poolNames(Database& db) {
    std::map<std::string, std::pair<QStringList, QStringList>> nations;
    const ResultSet rows = db.query("SELECT * FROM nazioni ");
    for (int r = 0; r < rows.rows(); ++r) {
        auto& [surnames, firstNames] = nations[rows.at(0, r).text()];
        const bool surname = rows.at(1, r).text() == "cognome";
        for (int c = 2; c < 2 + kNameColumns && c < rows.columnCount(); ++c) {
            const std::string name = rows.at(c, r).text();
            if (isAcceptableName(name))
                (surname ? surnames : firstNames).append(QString::fromStdString(name));
        }
    }
    QSet<QString> surnames, fullNames;
    for (const auto& [nation, lists] : nations) {
        for (const QString& surname : lists.first) {
            surnames.insert(surname);
            for (const QString& firstName : lists.second)
                fullNames.insert(surname + QLatin1Char(' ') + firstName);
        }
    }
    return {surnames.values(), fullNames.values()};
}

// The longest figures: points of a Piatto 2000 tournament and stored negative ones, the last
// place of a whole field, the last table, the widest gap between two neighbours' points.
const QStringList kPoints{QStringLiteral("20000"), QStringLiteral("-6450")};
// Every hint the table shows below its middle.
const QStringList kTableHints{
    QStringLiteral("Non è il tuo turno."),
    QStringLiteral("Si cambiano due carte: togline una per segnarne un'altra."),
    QStringLiteral("Non puoi aprire con un Asso finché hai altre carte."),
    QStringLiteral("Segna due carte per cambiarle."),
    QStringLiteral("Suggerimento: non cambiare le carte.")};
const QStringList kPlaces{QStringLiteral("1536")};
const QStringList kTables{QStringLiteral("256")};
const QStringList kGaps{QStringLiteral("26450")};

// A record with the longest figures of each column, for one game type (every limit of it in
// the tournaments' table), or for all of them at once (a full table and its last line).
ProfileStatistics longestRecord(const std::vector<std::string_view>& types) {
    ProfileStatistics stats;
    for (const std::string_view type : types) {
        for (const int best : {-6450, 20000}) {
            stats.games.push_back({.punteggio = std::string(type),
                                   .played = 999,
                                   .won = 999,
                                   .places = {167, 166, 166, 167, 166, 167},
                                   .placeSum = 3497,
                                   .bestScore = best,
                                   .scoreSum = 999LL * best - 450,
                                   .streak = 999,
                                   .longestStreak = 999});
        }
        for (const std::string_view limit : kHandLimits) {
            stats.tournaments.push_back({.punteggio = std::string(type),
                                         .limite = std::string(limit),
                                         .entered = 999,
                                         .roundSum = 9990,
                                         .bestRound = 11,
                                         .lastPlace = 1536,
                                         .bestPlace = 1536,
                                         .placeSum = 1444055,  // an average of 1445,5
                                         .finals = 999,
                                         .won = 999});
        }
    }
    for (int i = 0; i < 3; ++i) {
        stats.recentTournaments.push_back({.when = "2025-12-31 23:59:59",
                                           .punteggio = "Eliminazione 100",
                                           .limite = "Limite 20 Mani",
                                           .place = 1536,
                                           .entrants = 1536,
                                           .points = 20000,
                                           .round = 11});
    }
    return stats;
}

// "A over B" for every two of the widgets (children of one parent) whose places overlap in
// the design, and "A outside" for one that leaves its parent.
QStringList overlaps(const std::vector<QWidget*>& widgets) {
    QStringList found;
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        const QRect place = ui::Stage::design(widgets[i]);
        const QRectF parent = ui::Stage::designArea(widgets[i]->parentWidget());
        if (!parent.contains(QRectF(place))) found.append(widgets[i]->objectName() + " outside");
        for (std::size_t j = i + 1; j < widgets.size(); ++j) {
            if (place.intersects(ui::Stage::design(widgets[j]))) {
                found.append(widgets[i]->objectName() + " over " + widgets[j]->objectName());
            }
        }
    }
    return found;
}

template <int N>
std::vector<Control> each(ControlArray<N> array) {
    std::vector<Control> controls;
    for (int i = 0; i < N; ++i) controls.push_back(array[i]);
    return controls;
}

}  // namespace

class TextFitTest : public guitest::StartedGameTest {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(openGameWindowWithFreshSettings());
        window_->resize(ui::Stage::designSize());
        pool_ = poolNames(app_->database());
        QVERIFY(pool_.surnames.size() > 1000);
        QVERIFY(pool_.fullNames.size() > 100000);
    }
    void cleanupTestCase() { closeGameWindow(); }

    void everyNameAndFigureIsWhole() {
        const QStringList& surnames = pool_.surnames;
        const QStringList& fullNames = pool_.fullNames;
        QStringList overall;  // the best six overall: "surname  (Tav.table)"
        for (const QString& surname : surnames)
            overall.append(surname + QStringLiteral("  (Tav.256)"));

        const struct {
            const char* what;
            std::function<QStringList()> cut;
        } kinds[] = {
            {"seat names", [&] { return cutIn(each(ctl::Label6), fullNames); }},
            {"player's name", [&] { return cutIn({ctl::Label4}, fullNames); }},
            {"last trick, small", [&] { return cutInLastTrick(false, surnames); }},
            {"last trick, large", [&] { return cutInLastTrick(true, surnames); }},
            {"table's ranking",
             [&] {
                 return cutIn({ctl::Label31}, surnames) + cutIn({ctl::Label32}, kPoints, true) +
                        apart({ctl::Label31, ctl::Label32});
             }},
            {"chosen table",
             [&] {
                 return cutIn({ctl::Label42}, surnames) + cutIn({ctl::Label41}, kPoints, true) +
                        apart({ctl::Label42, ctl::Label41});
             }},
            {"best six overall",
             [&] {
                 return cutIn({ctl::Label45}, overall) + cutIn({ctl::Label44}, kPoints, true) +
                        apart({ctl::Label45, ctl::Label44});
             }},
            {"standings, place and name",
             [&] {
                 return cutIn({ctl::Label51[0]}, kPlaces, true) +
                        cutIn({ctl::Label51[1]}, fullNames);
             }},
            {"standings, figures",
             [&] {
                 return cutIn({ctl::Label51[2]}, kPoints, true) +
                        cutIn({ctl::Label51[3]}, kTables, true) +
                        cutIn({ctl::Label51[5], ctl::Label51[6]}, kGaps, true);
             }},
            {"table hints", [&] { return cutIn({ctl::TableHint}, kTableHints); }},
            {"statistics profile", [&] { return cutIn({ctl::StatisticsProfile}, fullNames); }},
            {"statistics tables and lines", [&] { return cutInStatistics(); }},
            {"statistics chart", [&] { return cutInChart(); }},
        };
        QStringList failures;
        for (const auto& kind : kinds) {
            QStringList cut = kind.cut();
            if (cut.isEmpty()) continue;
            cut.removeDuplicates();
            qWarning("%s: %lld cut, as %s", kind.what, static_cast<long long>(cut.size()),
                     qPrintable(cut.mid(0, 3).join(QStringLiteral(" | "))));
            failures.append(QLatin1String(kind.what));
        }
        QVERIFY2(failures.isEmpty(),
                 qPrintable(QStringLiteral("cut in ") + failures.join(QStringLiteral(", "))));
    }

private:
    // Puts each text into each label as the game sets a caption, and returns the lines the
    // label draws cut; a figure counts as cut unless it keeps the label's own size, which all
    // the figures of a column share.
    QStringList cutIn(const std::vector<Control>& controls, const QStringList& texts,
                      bool figures = false) {
        QStringList cut;
        for (const Control c : controls) {
            auto* label = find<ui::ClickableLabel>(*window_, c);
            for (const QString& text : texts) {
                game_->surface.setCaption(c, text.toStdString());
                for (const QString& line : label->text().split(QLatin1Char('\n'))) {
                    const ui::ClickableLabel::Fit fit = label->fitOf(line);
                    const bool ownSize =
                        fit.font.pixelSize() == ui::Stage::designFont(label).pixelSize();
                    // A label that neither fits its text nor sets it in rows shows it as is.
                    const bool asIs = !label->fitsToWidth() && label->rowHeight() == 0;
                    const bool wider =
                        QFontMetricsF(ui::Stage::designFont(label)).horizontalAdvance(line) >
                        ui::Stage::designArea(label).width();
                    if (!fit.whole || (figures && !ownSize) || (asIs && wider)) cut.append(line);
                }
            }
        }
        return cut;
    }

    // The controls' places: none over another, none out of its parent.
    QStringList apart(const std::vector<Control>& controls) {
        std::vector<QWidget*> widgets;
        for (const Control c : controls) widgets.push_back(find(*window_, c));
        return overlaps(widgets);
    }

    // The six seats' names under the last trick's cards, each seat's in turn lit as the
    // winner's (set in bold), every name in every slot.
    QStringList cutInLastTrick(bool large, const QStringList& surnames) {
        auto* view = find<ui::LastTrickView>(*window_, ctl::LastTrickTitle);
        if (large) {
            QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
            QCoreApplication::sendEvent(view, &enter);
        } else {
            QEvent leave(QEvent::Leave);
            QCoreApplication::sendEvent(view, &leave);
        }
        if (view->large() != large) return {QStringLiteral("the view did not change its size")};
        QStringList cut;
        for (int winner = 0; winner < 6; ++winner) {
            for (int k = 0; k < 6; ++k) {
                game_->surface.setForeColor(ctl::LastTrickNames[k],
                                            k == winner ? kHighlightColor : kButtonTextColor);
            }
            if (view->framedSlot() != winner) return {QStringLiteral("no winner lit")};
            cut += cutIn(each(ctl::LastTrickNames), surnames);
        }
        // The names beside each other and under the cards, none over another.
        std::vector<Control> namesAndCards = each(ctl::LastTrickNames);
        for (const Control card : each(ctl::LastTrickCards)) namesAndCards.push_back(card);
        cut += apart(namesAndCards);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(view, &leave);
        return cut;
    }

    // The panel's tables, summary and best places as the panel writes them, with the longest
    // figures, for each game type alone and for all of them.
    QStringList cutInStatistics() {
        std::vector<std::vector<std::string_view>> records;
        for (const std::string_view type : kGameTypes) records.push_back({type});
        records.emplace_back(kGameTypes.begin(), kGameTypes.end());
        QStringList cut;
        for (const auto& types : records) {
            const StatisticsTexts texts = statisticsTexts(longestRecord(types));
            for (const auto& [table, rows] :
                 {std::pair{ctl::GameTypesTable, texts.games},
                  std::pair{ctl::TournamentsTable, texts.tournaments}}) {
                game_->surface.setRows(table, rows);
                cut += find<ui::StatisticsTable>(*window_, table)->cutCells();
            }
            cut += cutIn({ctl::StatisticsSummary}, {QString::fromStdString(texts.summary)});
            cut += cutIn({ctl::BestPlaces}, {QString::fromStdString(texts.bestPlaces)});
        }
        return cut;
    }

    // The latest place beside its point, for places from the top to the bottom of the scale,
    // alone or after others: its box holds it and lies inside the chart.
    QStringList cutInChart() {
        auto* chart = find<ui::PlaceChart>(*window_, ctl::PlaceChart);
        const QRectF inside = ui::Stage::designArea(chart).adjusted(1, 1, -1, -1);
        QStringList cut;
        for (const int last : {1, 9, 10, 99, 100, 999, 1000, 1445, 1536}) {
            for (const int before : {0, 1, 19}) {
                for (const QString& earlier : {QStringLiteral("1 "), QStringLiteral("1536 ")}) {
                    const QString places = earlier.repeated(before) + QString::number(last);
                    game_->surface.setCaption(ctl::PlaceChart, places.toStdString());
                    const ui::PlaceChart::Caption caption = chart->latestCaption();
                    const bool holds =
                        caption.text.startsWith(QString::number(last)) &&
                        QFontMetricsF(caption.font).horizontalAdvance(caption.text) <=
                            caption.box.width();
                    if (!holds || !inside.contains(caption.box)) cut.append(places);
                }
            }
        }
        return cut;
    }

    PoolNames pool_;
};

QTEST_MAIN(TextFitTest)
#include "TextFitTest.moc"
