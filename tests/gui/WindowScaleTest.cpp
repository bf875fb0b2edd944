// The window at any size: on every screen of the game and at several window sizes, the table
// is its design scaled uniformly and centred, every control the game names stays inside the
// window, no two controls overlap that do not overlap in the design, no caption that fits in
// the design is cut, fonts follow the scale, and every picture is drawn at its size in device
// pixels from a file at least that large. Run once at pixel ratio 1 and once under
// QT_SCALE_FACTOR=2.
//
// With ZELVARO_SHOTS set to a folder, the test saves a picture of each screen at each size.
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QTest>
#include <vector>

#include "front/ZelvaroApp.h"
#include "tests/gui/GuiTestSupport.h"
#include "tools/sim/HumanPolicy.h"
#include "ui/PictureBox.h"
#include "ui/Stage.h"
#include "ui/WindowPlacement.h"

using namespace zelvaro;
using guitest::clickOn;
using guitest::find;
using guitest::shown;
using ui::Stage;

namespace {

// A 1024 × 768 screen less a title bar, the design itself, wider and then taller than it (the
// scale stays 1, only the margins change), a maximized 1920 × 1080 and a large 2560 × 1440 window.
const QSize kSizes[] = {{1000, 700},  {1030, 750},  {1130, 750},
                        {1030, 1000}, {1920, 1040}, {2560, 1440}};

struct Shown {
    Control control;
    QWidget* widget;
};

// The text of a scrolled page is as long as it is; its scroll area is what must fit.
bool onScrolledPage(const QWidget* widget) {
    const QWidget* viewport = widget->parentWidget();
    return viewport != nullptr &&
           qobject_cast<const QAbstractScrollArea*>(viewport->parentWidget()) != nullptr;
}

QRect onWindow(const QWidget* widget, const QWidget* window) {
    return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
}

}  // namespace

class WindowScaleTest : public guitest::StartedGameTest {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(openGameWindowWithFreshSettings()); }
    void cleanupTestCase() { closeGameWindow(); }

    void everyScreenScales() {
        struct Screen {
            const char* name;
            std::vector<Control> open;  // clicked one after the other
            Control shown;
            int ticks;  // of play once open
        } screens[] = {
            {"menu", {}, ctl::Label2, 0},
            {"options", {ctl::Label10}, ctl::Frame1, 0},
            {"rules", {ctl::Label13, ctl::Label15}, ctl::Frame2, 0},
            {"statistics", {ctl::Label17, ctl::MenuStatistics}, ctl::StatisticsFrame, 0},
            {"profiles", {ctl::CloseStatistics, ctl::Label35}, ctl::Frame3, 0},
            {"tournament", {ctl::Label21}, ctl::Frame5, 0},
            {"table", {ctl::Label36}, ctl::Picture1, 400},
            {"standings", {ctl::Label52}, ctl::Picture27, 0},
        };
        for (const Screen& screen : screens) {
            for (const Control c : screen.open) clickOn(*window_, c);
            QVERIFY2(shown(*window_, screen.shown), screen.name);
            for (int tick = 0; tick < screen.ticks; ++tick) {
                playHumanTurn(*app_, game_->surface);
                window_->forwardTimerTick(ctl::Timer1);
                window_->forwardTimerTick(ctl::Timer2);
            }
            const std::vector<Shown> controls = shownControls();
            QVERIFY(controls.size() > 5);
            for (const QSize size : kSizes) {
                window_->resize(size);
                QCoreApplication::processEvents();
                (void)window_->grab();  // every picture is read at its new size
                const QString where = QStringLiteral("%1 at %2×%3")
                                          .arg(screen.name)
                                          .arg(size.width())
                                          .arg(size.height());
                expectScaledDesign(controls, where);
                expectNoNewOverlap(controls, where);
                guitest::saveShot(*window_, QStringLiteral("scale-%1-%2x%3")
                                                .arg(screen.name)
                                                .arg(size.width())
                                                .arg(size.height()));
            }
            window_->resize(Stage::designSize());
        }
    }

    void f11AndTheOptionsBoxSwitchFullScreen() {
        auto* box = window_->findChild<QCheckBox*>(QStringLiteral("schermoIntero"));
        QVERIFY(box != nullptr);
        QVERIFY(!window_->isFullScreen());
        QTest::keyClick(window_, Qt::Key_F11);
        QTRY_VERIFY(window_->isFullScreen());
        QVERIFY(box->isChecked());
        box->click();
        QTRY_VERIFY(!window_->isFullScreen());
        QVERIFY(!box->isChecked());
    }

    void theWindowComesBackAsItWasLeft() {
        for (const bool fullScreen : {false, true}) {
            ui::MainWindow left(guitest::assetFolder());
            left.resize(1400, 900);
            left.setFullScreen(fullScreen);
            ui::WindowPlacement::save(left);
            ui::MainWindow next(guitest::assetFolder());
            next.restorePlacement();
            QCOMPARE(next.isFullScreen(), fullScreen);
            if (!fullScreen) QCOMPARE(next.size(), QSize(1400, 900));
        }
    }

    void theFirstStartFitsTheScreen() {
        const struct {
            QRect available;
            QSize expected;
        } rows[] = {
            {{0, 0, 1920, 1050}, {1030, 750}},  // room to spare: the design's own size
            {{0, 0, 1024, 740}, {961, 700}},    // 1024 × 768 less a panel
            {{0, 24, 800, 576}, {736, 536}},
        };
        for (const auto& row : rows) {
            const QSize size =
                ui::WindowPlacement::firstSize(Stage::designSize(), row.available, 40);
            QCOMPARE(size, row.expected);
            QVERIFY(size.width() <= row.available.width() &&
                    size.height() + 40 <= row.available.height());
        }
    }

private:
    std::vector<Shown> shownControls() {
        std::vector<Shown> controls;
        forEachControl([&](Control c, const ControlInfo&) {
            if (c == ctl::Form1) return;
            QWidget* widget = find(*window_, c);
            if (widget != nullptr && widget->isVisible()) controls.push_back({c, widget});
        });
        return controls;
    }

    // Every control where the design puts it, scaled by one factor and centred, its font
    // scaled alike, its picture sharp, and no caption cut that fits in the design.
    void expectScaledDesign(const std::vector<Shown>& controls, const QString& where) {
        const QWidget* form = window_->centralWidget();
        const QSize design = Stage::designSize();
        const double s = std::min(form->width() / double(design.width()),
                                  form->height() / double(design.height()));
        const QPointF origin((form->width() - design.width() * s) / 2,
                             (form->height() - design.height() * s) / 2);
        for (const Shown& shown : controls) {
            const QString name = guitest::nameOf(shown.control) + QStringLiteral(", ") + where;
            const QRect real = onWindow(shown.widget, form);
            const QFont designFont = Stage::designFont(shown.widget);
            if (designFont.pixelSize() > 0) {
                QVERIFY2(std::abs(QFontInfo(shown.widget->font()).pixelSize() -
                                  designFont.pixelSize() * s) <= 1,
                         qPrintable(name));
            }
            if (onScrolledPage(shown.widget)) continue;
            QVERIFY2(form->rect().contains(real) || real.isEmpty(), qPrintable(name));
            QPointF designTopLeft = Stage::design(shown.widget).topLeft();
            for (const QWidget* up = shown.widget->parentWidget(); up != form;
                 up = up->parentWidget()) {
                designTopLeft += Stage::design(up).topLeft();
            }
            const QSize size = Stage::design(shown.widget).size();
            if (Stage::design(shown.widget) == QRect(QPoint(0, 0), design) &&
                shown.widget->parentWidget() == form) {
                // A screen: its felt or shade covers the margins too.
                QVERIFY2(real == form->rect(), qPrintable(name));
            } else if (Stage::design(shown.widget) != QRect(QPoint(0, 0), design)) {
                const QPointF expected = origin + designTopLeft * s;
                QVERIFY2(std::abs(real.left() - expected.x()) <= 2 &&
                             std::abs(real.top() - expected.y()) <= 2,
                         qPrintable(name));
                QVERIFY2(std::abs(real.width() - size.width() * s) <= 2 &&
                             std::abs(real.height() - size.height() * s) <= 2,
                         qPrintable(name));
            }
            // Pictures at their device size, from a file at least that large.
            if (auto* box = qobject_cast<ui::PictureBox*>(shown.widget);
                box != nullptr && box->hasPicture()) {
                const QSize device = box->deviceSize();
                const QSize source = box->sourceSize();
                QVERIFY2(box->size().isEmpty() ||
                             (box->picture().size() == device && source.width() >= device.width() &&
                              source.height() >= device.height()),
                         qPrintable(name));
            }
            auto* label = qobject_cast<QLabel*>(shown.widget);
            if (label != nullptr && !label->wordWrap() && !label->text().contains('\n')) {
                const bool fitsDesign =
                    QFontMetrics(designFont).horizontalAdvance(label->text()) <= size.width();
                const bool fitsShown =
                    QFontMetrics(label->font()).horizontalAdvance(label->text()) <=
                    label->width() + 1;
                QVERIFY2(!fitsDesign || fitsShown,
                         qPrintable(name + QStringLiteral(": ") + label->text()));
            }
        }
    }

    // Controls side by side in the design are side by side on the screen: scaling adds no
    // overlap.
    void expectNoNewOverlap(const std::vector<Shown>& controls, const QString& where) {
        for (std::size_t i = 0; i < controls.size(); ++i) {
            for (std::size_t j = i + 1; j < controls.size(); ++j) {
                const QWidget* a = controls[i].widget;
                const QWidget* b = controls[j].widget;
                if (a->parentWidget() != b->parentWidget() ||
                    Stage::design(a).intersects(Stage::design(b)))
                    continue;
                QVERIFY2(!a->geometry().intersects(b->geometry()),
                         qPrintable(
                             guitest::nameOf(controls[i].control) + QStringLiteral(" over ") +
                             guitest::nameOf(controls[j].control) + QStringLiteral(", ") + where));
            }
        }
    }
};

QTEST_MAIN(WindowScaleTest)
#include "WindowScaleTest.moc"
