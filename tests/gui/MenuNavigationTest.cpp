// The main menu and its panels, driven through the real widgets as a player does: options
// saved with "Accetta", a profile created, picked and deleted, the rules opened and closed,
// the credits read.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include "front/ZelvaroApp.h"
#include "tests/gui/GuiTestSupport.h"
#include "ui/MainWindow.h"
#include "ui/QtSurface.h"

using namespace zelvaro;
using guitest::clickOn;
using guitest::find;

namespace {

constexpr std::array<Control, 6> kMenu{ctl::Label2,  ctl::Label35, ctl::Label10,
                                       ctl::Label15, ctl::Label20, ctl::Label3};

void moveOver(QWidget* widget) {
    QMouseEvent move(QEvent::MouseMove, QPointF(widget->rect().center()),
                     widget->mapToGlobal(QPointF(widget->rect().center())), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// Picks an item from a list's drop-down with the mouse, as a player does.
void pickFromList(QComboBox* list, const QString& item) {
    const int index = list->findText(item);
    QVERIFY2(index >= 0, qPrintable(item));
    list->showPopup();
    QAbstractItemView* view = list->view();
    QTRY_VERIFY(view->isVisible());
    const QRect row = view->visualRect(view->model()->index(index, list->modelColumn()));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
    QTRY_VERIFY(!view->isVisible());
}

}  // namespace

class MenuNavigationTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(programFolder_.isValid());
        // The rules text travels with the program.
        QVERIFY(QFile::copy(guitest::assetFolder() + QStringLiteral("/regolamento.txt"),
                            programFolder_.filePath(QStringLiteral("regolamento.txt"))));
        game_ = std::make_unique<guitest::GameWindow>(programFolder_.path());
        window_ = &game_->window;
        app_ = &game_->app;
        QVERIFY(guitest::showAndStart(*game_));
    }

    void cleanupTestCase() { game_.reset(); }

    void startsOnTheMenuAlone() {
        for (const Control c : kMenu) {
            QVERIFY2(find(*window_, c)->isVisible(), qPrintable(guitest::nameOf(c)));
            QVERIFY2(find(*window_, c)->isEnabled(), qPrintable(guitest::nameOf(c)));
        }
        for (const Control panel : {ctl::Frame1, ctl::Frame2, ctl::Frame3, ctl::Frame5, ctl::Frame6,
                                    ctl::Picture1, ctl::Picture27, ctl::Label39}) {
            QVERIFY2(!find(*window_, panel)->isVisible(), qPrintable(guitest::nameOf(panel)));
        }
        QVERIFY(window_->centralWidget()->isEnabled());
        QCOMPARE(window_->size(), QSize(1030, 750));
    }

    void hoveringLightsOneEntryAtATime() {
        const QColor normal = find(*window_, ctl::Label2)->palette().color(QPalette::ButtonText);
        const auto colorOf = [this](Control c) {
            return find(*window_, c)->palette().color(QPalette::Active, QPalette::WindowText);
        };
        moveOver(find(*window_, ctl::Label2));
        QCOMPARE(colorOf(ctl::Label2), QColor(192, 192, 0));
        moveOver(find(*window_, ctl::Label10));
        QCOMPARE(colorOf(ctl::Label10), QColor(192, 192, 0));
        QCOMPARE(colorOf(ctl::Label2), normal);
        moveOver(window_->centralWidget());
        QCOMPARE(colorOf(ctl::Label10), normal);
    }

    void optionsAreSavedWithAccetta() {
        clickOn(*window_, ctl::Label10);
        QVERIFY(find(*window_, ctl::Frame1)->isVisible());
        for (const Control c : kMenu) QVERIFY(!find(*window_, c)->isEnabled());
        // The menu beneath is covered and disabled: "Torneo" cannot be reached.
        QVERIFY(!find(*window_, ctl::Frame3)->isVisible());

        auto* prize = find<QComboBox>(*window_, ctl::Combo3);
        auto* twoBeatsAce = find<QCheckBox>(*window_, ctl::Check2);
        QCOMPARE(prize->currentText(), QStringLiteral("1 Carta"));
        QVERIFY(!twoBeatsAce->isChecked());
        pickFromList(prize, QStringLiteral("2 Carte"));
        QTest::mouseClick(twoBeatsAce, Qt::LeftButton);
        QVERIFY(twoBeatsAce->isChecked());
        clickOn(*window_, ctl::Label12);
        QVERIFY(!find(*window_, ctl::Frame1)->isVisible());
        for (const Control c : kMenu) QVERIFY(find(*window_, c)->isEnabled());

        // Opening the panel again shows what was stored.
        prize->setEditText(QStringLiteral("scarabocchio"));
        clickOn(*window_, ctl::Label10);
        QCOMPARE(prize->currentText(), QStringLiteral("2 Carte"));
        QVERIFY(twoBeatsAce->isChecked());
        clickOn(*window_, ctl::Label13);
        QVERIFY(!find(*window_, ctl::Frame1)->isVisible());
    }

    void aTypedWrongSpeedIsRefused() {
        clickOn(*window_, ctl::Label10);
        auto* speed = find<QComboBox>(*window_, ctl::Combo1);
        speed->lineEdit()->selectAll();
        QTest::keyClicks(speed->lineEdit(), QStringLiteral("Velocissima"));
        auto message = guitest::answerNextMessage(QMessageBox::Ok);
        clickOn(*window_, ctl::Label12);
        QVERIFY(message->seen);
        QCOMPARE(message->text, QStringLiteral("Controlla il tipo di partita."));
        QCOMPARE(message->title, QStringLiteral("Zelvaro"));
        QVERIFY(find(*window_, ctl::Frame1)->isVisible());
        clickOn(*window_, ctl::Label13);
        QVERIFY(!find(*window_, ctl::Frame1)->isVisible());
    }

    void aProfileIsCreatedPickedAndDeleted() {
        clickOn(*window_, ctl::Label2);
        QVERIFY(find(*window_, ctl::Frame3)->isVisible());
        QVERIFY(find(*window_, ctl::Frame4)->isVisible());
        auto* list = find<QComboBox>(*window_, ctl::Combo4);
        auto* selected = find<QLabel>(*window_, ctl::Label22);
        QCOMPARE(list->count(), 0);
        QCOMPARE(find<QComboBox>(*window_, ctl::Combo5)->currentText(), QStringLiteral("Italia"));
        QCOMPARE(find<QComboBox>(*window_, ctl::Combo6)->currentText(), QStringLiteral("1980"));

        const auto create = [this](const QString& surname, const QString& firstName) {
            auto* surnameBox = find<QLineEdit>(*window_, ctl::Text1);
            auto* firstNameBox = find<QLineEdit>(*window_, ctl::Text2);
            surnameBox->clear();
            firstNameBox->clear();
            QTest::keyClicks(surnameBox, surname);
            QTest::keyClicks(firstNameBox, firstName);
            clickOn(*window_, ctl::Label26);
        };
        create(QStringLiteral("Verdi"), QStringLiteral("Luca"));
        create(QStringLiteral("D'Amico"), QStringLiteral("Anna"));
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->itemText(0), QStringLiteral("D'Amico Anna"));
        QCOMPARE(selected->text(), QStringLiteral("D'Amico Anna"));
        QVERIFY(find(*window_, ctl::Image2)->isVisible());

        pickFromList(list, QStringLiteral("Verdi Luca"));
        QCOMPARE(selected->text(), QStringLiteral("Verdi Luca"));
        QVERIFY(find<QLabel>(*window_, ctl::Label24)
                    ->text()
                    .startsWith(QStringLiteral("Data di nascita")));

        auto question = guitest::answerNextMessage(QMessageBox::Yes);
        clickOn(*window_, ctl::Label27);
        QVERIFY(question->seen);
        QCOMPARE(question->text, QStringLiteral("Vuoi davvero eliminare questo profilo? "));
        QVERIFY(question->hadYes && question->hadNo);
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->itemText(0), QStringLiteral("D'Amico Anna"));
        QCOMPARE(selected->text(), QStringLiteral("D'Amico Anna"));

        // "No" keeps the profile.
        auto refusal = guitest::answerNextMessage(QMessageBox::No);
        clickOn(*window_, ctl::Label27);
        QVERIFY(refusal->seen);
        QCOMPARE(list->count(), 1);

        clickOn(*window_, ctl::Label9);
        QVERIFY(!find(*window_, ctl::Frame3)->isVisible());
        for (const Control c : kMenu) QVERIFY(find(*window_, c)->isEnabled());
    }

    void rulesOpenAndClose() {
        QFile file(programFolder_.filePath(QStringLiteral("regolamento.txt")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString firstLine = QString::fromUtf8(file.readLine()).trimmed();
        QVERIFY(!firstLine.isEmpty());

        clickOn(*window_, ctl::Label15);
        QVERIFY(find(*window_, ctl::Frame2)->isVisible());
        auto* text = find<QLabel>(*window_, ctl::Label16);
        QVERIFY(text->isVisible());
        QVERIFY(text->text().startsWith(firstLine));
        // The whole text can be scrolled to: the label grows as tall as its wrapped lines.
        QTRY_VERIFY(text->height() >= text->heightForWidth(text->width()));
        QVERIFY(text->height() > text->parentWidget()->height());
        for (const Control c : kMenu) QVERIFY(!find(*window_, c)->isEnabled());

        clickOn(*window_, ctl::Label17);
        QVERIFY(!find(*window_, ctl::Frame2)->isVisible());
        for (const Control c : kMenu) QVERIFY(find(*window_, c)->isEnabled());
    }

    void tabGoesOverWhatAClickCouldReach() {
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_));
        find(*window_, kMenu[0])->setFocus(Qt::TabFocusReason);
        // The menu's entries in their order, and round again.
        QStringList reached;
        for (int i = 0; i <= 7; ++i) {
            reached << window_->focusWidget()->objectName();
            QTest::keyClick(window_->focusWidget(), Qt::Key_Tab);
        }
        QStringList entries;
        for (const Control c : {ctl::Label2, ctl::Label35, ctl::Label10, ctl::Label15,
                                ctl::MenuStatistics, ctl::Label20, ctl::Label3}) {
            entries << guitest::nameOf(c);
        }
        QCOMPARE(reached, entries << entries.first());

        // Space on "Opzioni" opens its panel and takes the focus off the covered menu; Tab
        // then stays on the panel's own controls and comes to both of its buttons; Enter on
        // "Rifiuta" closes it.
        find(*window_, ctl::Label10)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(window_->focusWidget(), Qt::Key_Space);
        QWidget* panel = find(*window_, ctl::Frame1);
        QVERIFY(panel->isVisible());
        QCOMPARE(window_->focusWidget(), window_->centralWidget());
        QTest::keyClick(window_->focusWidget(), Qt::Key_Tab);
        QSet<QString> met;
        for (int i = 0; i < 24; ++i) {
            QWidget* focused = window_->focusWidget();
            QVERIFY2(panel->isAncestorOf(focused), qPrintable(focused->objectName()));
            met << focused->objectName();
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        QVERIFY2(met.contains(guitest::nameOf(ctl::Label12)) &&
                     met.contains(guitest::nameOf(ctl::Label13)),
                 qPrintable(QStringList(met.values()).join(' ')));
        find(*window_, ctl::Label13)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(window_->focusWidget(), Qt::Key_Return);
        QVERIFY(!panel->isVisible());
    }

    void creditsAreShownAndClosedWithOk() {
        auto credits = guitest::answerNextMessage(QMessageBox::Ok);
        clickOn(*window_, ctl::Label20);
        QVERIFY(credits->seen);
        QVERIFY(credits->hadOk && !credits->hadYes);
        QCOMPARE(credits->title, QStringLiteral("Zelvaro"));
        QVERIFY(credits->text.contains(QStringLiteral("Zelvaro")));
        for (const Control c : kMenu) QVERIFY(find(*window_, c)->isEnabled());
    }

    // Tab passes over a disabled control: with one profile the statistics panel's arrows have
    // nowhere to go, and Tab goes round the panel's buttons without them.
    void tabNeverLandsOnADisabledControl() {
        clickOn(*window_, ctl::MenuStatistics);
        QVERIFY(find(*window_, ctl::StatisticsFrame)->isVisible());
        QVERIFY(!find(*window_, ctl::PreviousProfile)->isEnabled() &&
                !find(*window_, ctl::NextProfile)->isEnabled());
        QSet<QString> met;
        for (int i = 0; i < 12; ++i) {
            QTest::keyClick(window_->focusWidget(), Qt::Key_Tab);
            QWidget* focused = window_->focusWidget();
            QVERIFY2(focused->isEnabled(), qPrintable(focused->objectName()));
            met << focused->objectName();
        }
        QCOMPARE(met, (QSet<QString>{guitest::nameOf(ctl::ResetStatistics),
                                     guitest::nameOf(ctl::CloseStatistics)}));
        clickOn(*window_, ctl::CloseStatistics);
    }

    // A click is a press and a release on the same entry, with the left button: a press let go
    // off the entry, a release whose press was elsewhere and the right button open nothing.
    void onlyAPressAndReleaseOnTheEntryClickIt() {
        QWidget* entry = find(*window_, ctl::Label10);
        QWidget* panel = find(*window_, ctl::Frame1);
        const QPoint middle = entry->rect().center();
        const struct {
            const char* name;
            bool pressed;
            Qt::MouseButton button;
            QPoint release;
            bool opens;
        } rows[] = {
            {"let go beside it", true, Qt::LeftButton, {entry->width() + 8, middle.y()}, false},
            {"let go above it", true, Qt::LeftButton, {middle.x(), -8}, false},
            {"pressed elsewhere", false, Qt::LeftButton, middle, false},
            {"right button", true, Qt::RightButton, middle, false},
            {"left click", true, Qt::LeftButton, middle, true}};
        for (const auto& row : rows) {
            if (row.pressed) QTest::mousePress(entry, row.button, Qt::NoModifier, middle);
            QTest::mouseRelease(entry, row.button, Qt::NoModifier, row.release);
            QVERIFY2(panel->isVisible() == row.opens, row.name);
        }
        clickOn(*window_, ctl::Label13);
    }

private:
    QTemporaryDir programFolder_;
    std::unique_ptr<guitest::GameWindow> game_;
    ui::MainWindow* window_ = nullptr;
    ZelvaroApp* app_ = nullptr;
};

QTEST_MAIN(MenuNavigationTest)
#include "MenuNavigationTest.moc"
