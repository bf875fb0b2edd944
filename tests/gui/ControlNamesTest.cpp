// Every control the game addresses exists in the real window under its game name, is of a
// kind that can carry the properties the game sets on it, starts shown or hidden as the game
// expects, and stands where the shared table geometry says.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <stdexcept>

#include "engine/display/TableLayout.h"
#include "primitives/Controls.h"
#include "tests/gui/GuiTestSupport.h"
#include "ui/MainWindow.h"
#include "ui/QtSurface.h"

using namespace zelvaro;
using zelvaro::guitest::nameOf;

namespace {

// Every addressable control, array elements one by one, straight from the game's list.
std::vector<Control> allControls() {
    std::vector<Control> controls;
    for (int id = 0; id < kControlIdCount; ++id) {
        const auto cid = static_cast<ControlId>(id);
        const ControlInfo& info = controlInfo(cid);
        if (info.elements == 0) {
            controls.push_back({cid, -1});
        } else {
            for (int i = 0; i < info.elements; ++i) controls.push_back({cid, i});
        }
    }
    return controls;
}

QString kindOf(Control c) {
    const QString name = QString::fromLatin1(controlInfo(c.id).name.data(),
                                             static_cast<qsizetype>(controlInfo(c.id).name.size()));
    for (const char* prefix : {"Timer", "Combo", "Check", "Text", "Command", "Shape", "Frame",
                               "Label", "Image", "Picture", "Form"}) {
        if (name.startsWith(QLatin1String(prefix))) return QString::fromLatin1(prefix);
    }
    return QString();
}

bool isPanel(Control c) {
    return kindOf(c) == QLatin1String("Frame") || c == ctl::Picture1 || c == ctl::Picture27;
}

}  // namespace

class ControlNamesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { window_ = std::make_unique<ui::MainWindow>(guitest::assetFolder()); }

    void everyControlExistsOnceUnderItsName() {
        int count = 0;
        for (const Control c : allControls()) {
            const QString name = nameOf(c);
            const auto widgets = window_->findChildren<QWidget*>(name);
            const auto timers = window_->findChildren<QTimer*>(name);
            QVERIFY2(widgets.size() + timers.size() == 1,
                     qPrintable(name +
                                QStringLiteral(": found %1").arg(widgets.size() + timers.size())));
            ++count;
        }
        QCOMPARE(count, controlSlotCount());
    }

    void everyControlIsOfAFittingKind() {
        for (const Control c : allControls()) {
            const QString name = nameOf(c);
            const QString kind = kindOf(c);
            QObject* object = window_->findChild<QObject*>(name);
            QVERIFY2(object != nullptr, qPrintable(name));
            if (kind == QLatin1String("Timer")) {
                QVERIFY2(qobject_cast<QTimer*>(object) != nullptr, qPrintable(name));
            } else if (kind == QLatin1String("Combo")) {
                auto* list = qobject_cast<QComboBox*>(object);
                QVERIFY2(list != nullptr, qPrintable(name));
                // The table number and the opponents' level are picked from the list only; the
                // others accept typing.
                QCOMPARE(list->isEditable(), !(c == ctl::Combo7 || c == ctl::OpponentsList));
            } else if (kind == QLatin1String("Check")) {
                QVERIFY2(qobject_cast<QCheckBox*>(object) != nullptr, qPrintable(name));
            } else if (kind == QLatin1String("Text")) {
                QVERIFY2(qobject_cast<QLineEdit*>(object) != nullptr, qPrintable(name));
            } else if (kind == QLatin1String("Command")) {
                QVERIFY2(qobject_cast<QPushButton*>(object) != nullptr, qPrintable(name));
            } else if (kind == QLatin1String("Form")) {
                QCOMPARE(object, static_cast<QObject*>(window_->centralWidget()));
            } else if (isPanel(c)) {
                auto* panel = qobject_cast<QWidget*>(object);
                QVERIFY2(panel != nullptr, qPrintable(name));
                QVERIFY2(panel->hasMouseTracking(),
                         qPrintable(name + QStringLiteral(" reports no mouse moves")));
            } else if (kind == QLatin1String("Shape")) {
                auto* shape = qobject_cast<QWidget*>(object);
                QVERIFY2(shape != nullptr, qPrintable(name));
                // Markers lie over the cards: a click must reach the card below.
                QVERIFY2(shape->testAttribute(Qt::WA_TransparentForMouseEvents), qPrintable(name));
            } else {
                // Labels, pictures and images carry captions or pictures and report the mouse.
                auto* label = qobject_cast<QLabel*>(object);
                QVERIFY2(label != nullptr, qPrintable(name));
                QVERIFY2(label->hasMouseTracking(),
                         qPrintable(name + QStringLiteral(" reports no mouse moves")));
            }
        }
    }

    void controlsStartShownOrHiddenAsTheGameExpects() {
        for (const Control c : allControls()) {
            auto* widget = window_->findChild<QWidget*>(nameOf(c));
            if (widget == nullptr || c == ctl::Form1) continue;
            QVERIFY2(widget->isHidden() == !controlInfo(c.id).visibleAtStart,
                     qPrintable(nameOf(c)));
        }
    }

    void nestedPanelsSitInsideTheirParents() {
        auto* profile = guitest::find(*window_, ctl::Frame3);
        auto* create = guitest::find(*window_, ctl::Frame4);
        QVERIFY(profile != nullptr && create != nullptr);
        QVERIFY(profile->isAncestorOf(create));
        auto* table = guitest::find(*window_, ctl::Picture1);
        for (const Control c :
             {Control(ctl::Picture2[0]), ctl::Picture14, ctl::Shape5, ctl::Label33}) {
            QVERIFY2(table->isAncestorOf(guitest::find(*window_, c)), qPrintable(nameOf(c)));
        }
    }

    void tableControlsStandWhereTheSharedGeometrySays() {
        for (int i = 0; i < 12; ++i) {
            auto* card = guitest::find(*window_, ctl::Picture2[i]);
            QCOMPARE(card->geometry(),
                     QRect(layout::kHumanHand.x + i * layout::kHumanHandStep, layout::kHumanHand.y,
                           layout::kCardWidth, layout::kCardHeight));
        }
        for (int seat = 0; seat < 6; ++seat) {
            auto* place = guitest::find(*window_, layout::kTablePlaceControl[seat]);
            QCOMPARE(place->geometry(),
                     QRect(layout::kTablePlace[seat].x, layout::kTablePlace[seat].y,
                           layout::kCardWidth, layout::kCardHeight));
        }
        auto* table = guitest::find(*window_, ctl::Picture1);
        QCOMPARE(table->geometry(), QRect(0, 0, layout::kWindowWidth, layout::kWindowHeight));
        QCOMPARE(window_->size(), QSize(layout::kWindowWidth, layout::kWindowHeight));
        // The widest strength bar (1425 twips) fits its seat panel.
        for (int j = 0; j < 5; ++j) {
            auto* bar = guitest::find(*window_, ctl::Label8[j]);
            QVERIFY(bar->x() + 1425 / kTwipsPerPixel <=
                    layout::kSeatPanel[j + 1].x + layout::kSeatPanelWidth);
        }
    }

    void surfaceFindsEveryControl() {
        try {
            ui::QtSurface surface(*window_, guitest::assetFolder());
            QVERIFY(surface.widget(ctl::Label48) != nullptr);
            QVERIFY(surface.timer(ctl::Timer2) != nullptr);
            QCOMPARE(surface.widget(ctl::Form1), window_->centralWidget());
        } catch (const std::exception& missing) {
            QFAIL(missing.what());
        }
    }

private:
    std::unique_ptr<ui::MainWindow> window_;
};

QTEST_MAIN(ControlNamesTest)
#include "ControlNamesTest.moc"
