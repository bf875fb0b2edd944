// The real window's surface: what the game sets on a control is what the widget shows, and
// reads back as the game wrote it.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "engine/display/TableLayout.h"
#include "primitives/Controls.h"
#include "tests/gui/GuiTestSupport.h"
#include "ui/MainWindow.h"
#include "ui/PictureBox.h"
#include "ui/QtSurface.h"

using namespace zelvaro;

class QtSurfaceTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        window_ = std::make_unique<ui::MainWindow>(guitest::assetFolder());
        surface_ = std::make_unique<ui::QtSurface>(*window_, guitest::assetFolder());
    }

    void cleanup() {
        surface_.reset();
        window_.reset();
    }

    void multiLineCaptionsReadBackUnchanged() {
        surface_->setCaption(ctl::Label31, "Rossi\nO'Brien\n");
        QCOMPARE(surface_->caption(ctl::Label31), std::string("Rossi\nO'Brien\n"));
        QCOMPARE(guitest::find<QLabel>(*window_, ctl::Label31)->text(),
                 QStringLiteral("Rossi\nO'Brien\n"));
        surface_->setCaption(ctl::Text1, "D'Angelo");
        QCOMPARE(guitest::find<QLineEdit>(*window_, ctl::Text1)->text(),
                 QStringLiteral("D'Angelo"));
        QCOMPARE(surface_->caption(ctl::Text1), std::string("D'Angelo"));
    }

    void accentedCaptionsSurviveTheRoundTrip() {
        surface_->setCaption(ctl::Label4, "M\xc3\xbcller J\xc3\xb6rg");
        QCOMPARE(guitest::find<QLabel>(*window_, ctl::Label4)->text(),
                 QStringLiteral(u"Müller Jörg"));
        QCOMPARE(surface_->caption(ctl::Label4), std::string("M\xc3\xbcller J\xc3\xb6rg"));
    }

    void comboTextIsFreeAndAddingItemsLeavesItAlone() {
        surface_->setCaption(ctl::Combo6, "1980");
        for (int year = 1960; year <= 1962; ++year)
            surface_->addItem(ctl::Combo6, std::to_string(year));
        QCOMPARE(surface_->caption(ctl::Combo6), std::string("1980"));
        QCOMPARE(surface_->items(ctl::Combo6), (std::vector<std::string>{"1960", "1961", "1962"}));
        surface_->setCaption(ctl::Combo6, "abc");
        QCOMPARE(guitest::find<QComboBox>(*window_, ctl::Combo6)->currentText(),
                 QStringLiteral("abc"));
        surface_->clearItems(ctl::Combo6);
        QVERIFY(surface_->items(ctl::Combo6).empty());
        // A profile's name from an older file, far longer than a box holds, is kept whole.
        const std::string longName(16384, 'R');
        surface_->addItem(ctl::Combo4, longName + " " + longName);
        surface_->setCaption(ctl::Combo4, longName + " " + longName);
        QCOMPARE(surface_->caption(ctl::Combo4).size(), 2 * longName.size() + 1);
    }

    void twoItemsThatReadAlikeAreToldApartByPosition() {
        surface_->clearItems(ctl::Combo4);
        for (int i = 0; i < 2; ++i) surface_->addItem(ctl::Combo4, "Uno Due Tre");
        surface_->setCaption(ctl::Combo4, "Uno Due Tre");
        QCOMPARE(surface_->selectedItem(ctl::Combo4), 0);
        auto* list = guitest::find<QComboBox>(*window_, ctl::Combo4);
        list->setCurrentIndex(1);  // the player's pick in the open list
        QCOMPARE(surface_->selectedItem(ctl::Combo4), 1);
        surface_->selectItem(ctl::Combo4, 0);
        QCOMPARE(list->currentIndex(), 0);
        list->setEditText(QStringLiteral("Uno Due"));  // typed: no item is shown
        QCOMPARE(surface_->selectedItem(ctl::Combo4), -1);
        surface_->selectItem(ctl::Combo4, 1);
        QCOMPARE(surface_->caption(ctl::Combo4), std::string("Uno Due Tre"));
        QCOMPARE(surface_->selectedItem(ctl::Combo4), 1);
    }

    void pickOnlyListShowsOnlyItsItems() {
        for (const char* table : {"1", "2", "3"}) surface_->addItem(ctl::Combo7, table);
        QCOMPARE(surface_->caption(ctl::Combo7), std::string());
        surface_->setCaption(ctl::Combo7, "2");
        QCOMPARE(surface_->caption(ctl::Combo7), std::string("2"));
        surface_->setCaption(ctl::Combo7, "99");
        QCOMPARE(surface_->caption(ctl::Combo7), std::string());
    }

    void geometryKeepsTwipsSoSmallStepsAddUp() {
        // The progress label grows 5 twips (a third of a pixel) at a time.
        const int start = surface_->width(ctl::Label39);
        QCOMPARE(start, guitest::find(*window_, ctl::Label39)->width() * kTwipsPerPixel);
        for (int i = 0; i < 30; ++i)
            surface_->setWidth(ctl::Label39, surface_->width(ctl::Label39) + 5);
        QCOMPARE(surface_->width(ctl::Label39), start + 150);
        QCOMPARE(guitest::find(*window_, ctl::Label39)->width(), start / kTwipsPerPixel + 10);

        surface_->setLeft(ctl::Shape5, layout::twips(layout::kTurnMarker[3].x));
        surface_->setTop(ctl::Shape5, layout::twips(layout::kTurnMarker[3].y));
        QCOMPARE(guitest::find(*window_, ctl::Shape5)->pos(),
                 QPoint(layout::kTurnMarker[3].x, layout::kTurnMarker[3].y));
        QCOMPARE(surface_->left(ctl::Shape5), layout::twips(layout::kTurnMarker[3].x));
        surface_->setWidth(ctl::Label8[2], 1425);
        QCOMPARE(guitest::find(*window_, ctl::Label8[2])->width(), 95);
    }

    void visibilityIsTheControlsOwnSetting() {
        // The table is hidden at start, its cards inside it keep their own setting.
        QVERIFY(!surface_->visible(ctl::Picture1));
        QVERIFY(surface_->visible(ctl::Label4));
        surface_->setVisible(ctl::Picture2[3], true);
        QVERIFY(surface_->visible(ctl::Picture2[3]));
        surface_->setVisible(ctl::Picture2[3], false);
        QVERIFY(!surface_->visible(ctl::Picture2[3]));
        surface_->setEnabled(ctl::Label2, false);
        QVERIFY(!surface_->enabled(ctl::Label2));
        QVERIFY(!guitest::find(*window_, ctl::Label2)->isEnabled());
        surface_->setWindowEnabled(false);
        QVERIFY(!surface_->windowEnabled());
        QVERIFY(surface_->enabled(ctl::Label10));  // its own setting is still on
        surface_->setWindowEnabled(true);
        QVERIFY(surface_->windowEnabled());
    }

    void foreColorLightsAndRestoresTheButtonTextColour() {
        auto* entry = guitest::find<QLabel>(*window_, ctl::Label10);
        const QColor normal = entry->palette().color(QPalette::Active, QPalette::ButtonText);
        QCOMPARE(entry->palette().color(QPalette::Active, QPalette::WindowText), normal);
        surface_->setForeColor(ctl::Label10, kHighlightColor);
        QCOMPARE(entry->palette().color(QPalette::Active, QPalette::WindowText),
                 QColor(192, 192, 0));
        QCOMPARE(surface_->foreColor(ctl::Label10), kHighlightColor);
        surface_->setForeColor(ctl::Label10, kButtonTextColor);
        QCOMPARE(entry->palette().color(QPalette::Active, QPalette::WindowText), normal);
        QCOMPARE(surface_->foreColor(ctl::Label10), kButtonTextColor);
        // The normal colour must read on the dark felt.
        QVERIFY(normal.lightness() > 180);
    }

    void picturesLoadWhateverTheLetterCase() {
        auto* card = guitest::find<ui::PictureBox>(*window_, ctl::Picture2[0]);
        surface_->setPicture(ctl::Picture2[0], "carte/14 c.jpg");
        QVERIFY(card->hasPicture());
        QCOMPARE(card->picture().size(), card->size());
        QCOMPARE(surface_->picture(ctl::Picture2[0]), std::string("carte/14 c.jpg"));

        auto* flag = guitest::find<ui::PictureBox>(*window_, ctl::Image3);
        const QStringList flags =
            QDir(guitest::assetFolder() + QStringLiteral("/bandiere")).entryList({"*.jpg"});
        QVERIFY(!flags.isEmpty());
        const std::string shouted = "BANDIERE/" + flags.first().toUpper().toStdString();
        surface_->setPicture(ctl::Image3, shouted);
        QVERIFY2(flag->hasPicture(), shouted.c_str());

        surface_->setPicture(ctl::Image3, "bandiere/Atlantide.jpg");
        QVERIFY(!flag->hasPicture());
        QCOMPARE(surface_->picture(ctl::Image3), std::string("bandiere/Atlantide.jpg"));
        surface_->setPicture(ctl::Picture2[0], "");
        QVERIFY(!card->hasPicture());
    }

    void picturesAreFoundInAnyProgramFolder() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Immagini/Facce")));
        QImage face(40, 40, QImage::Format_RGB32);
        face.fill(Qt::red);
        QVERIFY(face.save(folder.path() + QStringLiteral("/Immagini/Facce/7.jpg")));
        ui::QtSurface surface(*window_, folder.path());
        surface.setPicture(ctl::Picture22, "immagini\\facce\\7.jpg");
        auto* box = guitest::find<ui::PictureBox>(*window_, ctl::Picture22);
        QVERIFY(box->hasPicture());
        const QColor middle =
            box->picture().toImage().pixelColor(box->width() / 2, box->height() / 2);
        QVERIFY(middle.red() > 200 && middle.green() < 60);
    }

    void timersFollowEnabledAndInterval() {
        QTimer* table = surface_->timer(ctl::Timer1);
        QVERIFY(!surface_->enabled(ctl::Timer1));
        surface_->setInterval(ctl::Timer1, 100);
        surface_->setEnabled(ctl::Timer1, true);
        QVERIFY(table->isActive());
        QVERIFY(surface_->enabled(ctl::Timer1));
        QCOMPARE(surface_->interval(ctl::Timer1), 100);
        surface_->setInterval(ctl::Timer1, 1000);
        QCOMPARE(table->interval(), 1000);
        QVERIFY(table->isActive());
        surface_->setEnabled(ctl::Timer1, false);
        QVERIFY(!table->isActive());
        QVERIFY(!surface_->enabled(ctl::Timer1));
    }

    void messageBoxAnswersAndCarriesTheTitle() {
        surface_->setMessageTitle("Zelvaro");
        auto yes = guitest::answerNextMessage(QMessageBox::Yes);
        QCOMPARE(
            surface_->showMessage("Vuoi davvero eliminare questo profilo? ", MessageButtons::YesNo),
            MessageAnswer::Yes);
        QVERIFY(yes->seen);
        QCOMPARE(yes->title, QStringLiteral("Zelvaro"));
        QCOMPARE(yes->text, QStringLiteral("Vuoi davvero eliminare questo profilo? "));
        QVERIFY(yes->hadYes && yes->hadNo && !yes->hadOk);
        QCOMPARE(yes->captions, (QStringList{QStringLiteral("No"), QStringLiteral("S\u00ec")}));
        QCOMPARE(yes->enterCaption, QStringLiteral("No"));

        auto no = guitest::answerNextMessage(QMessageBox::No);
        QCOMPARE(surface_->showMessage("Vuoi abbandonare la partita? ", MessageButtons::YesNo),
                 MessageAnswer::No);
        QVERIFY(no->seen);

        // The player's stranded file: Enter copies, and each button gives its own answer.
        for (const auto& [button, answer] : {std::pair{QMessageBox::Yes, MessageAnswer::Copy},
                                             std::pair{QMessageBox::No, MessageAnswer::Quit}}) {
            auto copyOrQuit = guitest::answerNextMessage(button);
            QCOMPARE(surface_->showMessage("Vuoi copiarlo?", MessageButtons::CopyOrQuit), answer);
            QCOMPARE(copyOrQuit->captions,
                     (QStringList{QStringLiteral("Copia"), QStringLiteral("Esci")}));
            QCOMPARE(copyOrQuit->enterCaption, QStringLiteral("Copia"));
        }

        auto ok = guitest::answerNextMessage(QMessageBox::Ok);
        QCOMPARE(surface_->showMessage("Partita terminata", MessageButtons::Ok), MessageAnswer::Ok);
        QVERIFY(ok->seen && ok->hadOk && !ok->hadYes);
    }

private:
    std::unique_ptr<ui::MainWindow> window_;
    std::unique_ptr<ui::QtSurface> surface_;
};

QTEST_MAIN(QtSurfaceTest)
#include "QtSurfaceTest.moc"
