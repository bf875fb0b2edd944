// "Animazioni" on the options panel, beside "Pausa dopo la presa": its three choices, kept
// only when the options are accepted, clear of every other control of the panel; and the
// player's card lifting under the keys' outline, its control left in its place.
//
// With ZELVARO_SHOTS set to a folder, the test saves pictures of the panel and the lift.
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <algorithm>

#include "engine/display/TableLayout.h"
#include "tests/gui/AnimationTable.h"
#include "tests/gui/GuiTestSupport.h"
#include "ui/Animations.h"
#include "ui/CardLift.h"
#include "ui/CardMotion.h"
#include "ui/CardSprite.h"

using namespace zelvaro;
using guitest::find;
using guitest::shown;

using guitest::visibleSprites;

class AnimationPanelTest : public guitest::StartedGameTest {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(openGameWindowWithFreshSettings()); }
    void cleanupTestCase() { closeGameWindow(); }

    void animazioniStandsBesideThePause() {
        QComboBox* list = openOptions();
        QVERIFY(list != nullptr && list->isVisible());
        QStringList captions;
        for (int i = 0; i < list->count(); ++i) captions << list->itemText(i);
        QCOMPARE(captions, (QStringList{"Nessuna", "Rapide", "Normali"}));
        // A player who never chose sees the cards move.
        QCOMPARE(list->currentText(), QStringLiteral("Normali"));
        // Its caption and its list overlap no other control of the panel.
        const QRect own = list->geometry().united(captionOf(list)->geometry());
        QVERIFY(list->parentWidget()->rect().contains(own));
        const QStringList over = guitest::shownOver(own, {list, captionOf(list)});
        QVERIFY2(over.isEmpty(), qPrintable(over.join(QLatin1Char(' '))));
        guitest::saveShot(*window_, QStringLiteral("options-animazioni"));

        list->setCurrentText(QStringLiteral("Nessuna"));
        window_->forwardClick(ctl::Label13);  // Rifiuta
        QCOMPARE(ui::kAnimations.current(), QStringLiteral("Normali"));
        QCOMPARE(openOptions()->currentText(), QStringLiteral("Normali"));

        openOptions()->setCurrentText(QStringLiteral("Rapide"));
        window_->forwardClick(ctl::Label12);  // Accetta
        QVERIFY(!shown(*window_, ctl::Frame1));
        QCOMPARE(ui::kAnimations.current(), QStringLiteral("Rapide"));
        QCOMPARE(openOptions()->currentText(), QStringLiteral("Rapide"));
        window_->forwardClick(ctl::Label13);
    }

    // The window's own frames carry the dealt cards to their places.
    void cardsLandOnTheirOwnClock() {
        setAnimations("Normali");
        startGame();
        ui::CardMotion& motion = window_->cardMotion();
        QVERIFY(motion.flightsInAir() > 0);
        QTRY_VERIFY_WITH_TIMEOUT(motion.flightsInAir() == 0, 3000);
        QCOMPARE(visibleSprites(*window_), 0);
        QCOMPARE(motion.veil().count(), 0);
        motion.useManualClock();
        motion.advance(motion.msToRest() + 1);
    }

    void theOutlinedCardLiftsInPlace() {
        // The game is held still: no tick moves a card under the test's feet.
        game_->surface.setEnabled(ctl::Timer1, false);
        window_->cardMotion().advance(window_->cardMotion().msToRest() + 1);
        QWidget* card = find(*window_, ctl::Picture2[3]);
        QVERIFY(card != nullptr && card->isVisible());
        const QRect rest = card->geometry();
        ui::CardLift& lift = window_->cardLift();
        lift.setOutlined(3);
        QCOMPARE(lift.lifted(), card);
        QCOMPARE(card->geometry(), rest);
        QCOMPARE(visibleSprites(*window_), 1);
        // The lifted copy stands over the card's own place, raised, at the same size.
        const auto sprites = window_->findChildren<ui::CardSprite*>();
        const auto raised = std::find_if(sprites.begin(), sprites.end(),
                                         [](const QWidget* s) { return s->isVisible(); });
        QCOMPARE((*raised)->size(), rest.size());
        QVERIFY((*raised)->y() < rest.y() && (*raised)->x() == rest.x());
        guitest::saveShot(*window_, QStringLiteral("lifted-card"));
        lift.setOutlined(-1);
        QCOMPARE(lift.lifted(), nullptr);
        QCOMPARE(visibleSprites(*window_), 0);
        QCOMPARE(window_->cardMotion().veil().count(), 0);
    }

    void nessunaLiftsNothing() {
        setAnimations("Nessuna");
        window_->cardLift().setOutlined(2);
        QCOMPARE(window_->cardLift().lifted(), nullptr);
        QCOMPARE(visibleSprites(*window_), 0);
        window_->cardLift().setOutlined(-1);
    }

private:
    QComboBox* openOptions() {
        if (!shown(*window_, ctl::Frame1)) window_->forwardClick(ctl::Label10);
        return window_->findChild<QComboBox*>(QString::fromLatin1(ui::kAnimationList));
    }

    static QWidget* captionOf(QComboBox* list) {
        for (QWidget* w : list->parentWidget()->findChildren<QWidget*>()) {
            const auto* label = qobject_cast<QLabel*>(w);
            if (label != nullptr && label->text() == QStringLiteral("Animazioni")) return w;
        }
        return list;
    }

    // Chosen on the options panel and kept, as its "Accetta" keeps it.
    void setAnimations(const char* caption) {
        auto* list = window_->findChild<QComboBox*>(QString::fromLatin1(ui::kAnimationList));
        list->setCurrentText(QString::fromLatin1(caption));
        game_->surface.keepWindowPreferences();
    }

    void startGame() {
        window_->forwardClick(ctl::Label2);
        game_->surface.setCaption(ctl::Combo4, "Ferri Giulia");
        window_->forwardComboSelected(ctl::Combo4);
        guitest::clickToStartNew(*window_, *app_, ctl::Label21);
        QVERIFY(shown(*window_, ctl::Picture1));
    }
};

QTEST_MAIN(AnimationPanelTest)
#include "AnimationPanelTest.moc"
