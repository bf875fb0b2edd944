// Each picture is made from the smallest drawn variant that needs no enlarging, in a folder
// without variants too; the variants are drawn at their size, not enlarged.
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>

#include "tests/gui/GuiTestSupport.h"
#include "ui/PictureCache.h"

using namespace zelvaro;

namespace {

// The mean grey difference of a's pixels and b's `shift` pixels to their right, 0 to 255.
double meanDifference(const QImage& a, const QImage& b, int shift) {
    const QImage left = a.convertToFormat(QImage::Format_Grayscale8);
    const QImage right = b.convertToFormat(QImage::Format_Grayscale8);
    double sum = 0;
    for (int y = 0; y < left.height(); ++y)
        for (int x = 0; x + shift < left.width(); ++x)
            sum += std::abs(left.constScanLine(y)[x] - right.constScanLine(y)[x + shift]);
    return sum / (double(left.width() - shift) * left.height());
}

}  // namespace

class PictureCacheTest : public QObject {
    Q_OBJECT

private slots:
    void eachSizeIsMadeFromTheSmallestVariantThatCoversIt() {
        // Beside the drawn pictures, a folder with one flag at 1x and @3x, another at 1x only.
        QTemporaryDir bare;
        QVERIFY(QDir(bare.path()).mkpath(QStringLiteral("bandiere")));
        const QSize card(144, 200), flag(12, 8);
        for (const auto& [name, size] :
             {std::pair{"Italia.jpg", flag}, {"Italia@3x.jpg", flag * 3}, {"Spagna.jpg", flag}}) {
            QImage image(size, QImage::Format_RGB32);
            image.fill(Qt::red);
            QVERIFY(image.save(bare.filePath(QStringLiteral("bandiere/") + QLatin1String(name))));
        }
        ui::PictureCache drawn(guitest::assetFolder()), partial(bare.path());
        const struct {
            ui::PictureCache& pictures;
            const char* path;
            QSize asked, source;  // no source: no such picture
        } rows[] = {
            {drawn, "carte/14 c.jpg", card / 2, card},
            {drawn, "carte/14 c.jpg", card, card},
            {drawn, "carte/14 c.jpg", card + QSize(1, 0), card * 2},
            {drawn, "carte/14 c.jpg", card + QSize(0, 1), card * 2},
            {drawn, "CARTE/14 C.JPG", card * 2, card * 2},
            {drawn, "carte\\14 c.jpg", card * 2.5, card * 3},
            {drawn, "carte/14 c.jpg", card * 4, card * 3},
            {partial, "bandiere/italia.jpg", flag * 1.5, flag * 3},
            {partial, "bandiere/Spagna.jpg", flag * 2, flag},
            {partial, "bandiere/Francia.jpg", flag, QSize()},
        };
        for (const auto& row : rows) {
            const QString path = QString::fromLatin1(row.path);
            QCOMPARE(row.pictures.sourceSize(path, row.asked), row.source);
            QCOMPARE(row.pictures.picture(path, row.asked).size(),
                     row.source.isEmpty() ? QSize(0, 0) : row.asked);
        }
        // Round corners, and no seam down the middle of a card of odd width.
        const QImage odd =
            drawn.picture(QStringLiteral("carte/14 c.jpg"), QSize(145, 201)).toImage();
        QCOMPARE(odd.pixelColor(0, 0).alpha(), 0);
        QCOMPARE(odd.pixelColor(odd.rect().center()).alpha(), 255);
    }

    // The @2x card is the 1x card drawn with finer lines than the 1x enlarged would have.
    void theSharperCardIsDrawnAtItsSize() {
        const QDir assets(guitest::assetFolder());
        const QImage plain(assets.filePath(QStringLiteral("carte/12 p.jpg")));
        const QImage sharp(assets.filePath(QStringLiteral("carte/12 p@2x.jpg")));
        QVERIFY(!plain.isNull());
        QCOMPARE(sharp.size(), plain.size() * 2);
        const QImage enlarged =
            plain.scaled(sharp.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY(meanDifference(sharp, sharp, 1) > 1.2 * meanDifference(enlarged, enlarged, 1));
        const QImage reduced =
            sharp.scaled(plain.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY(meanDifference(reduced, plain, 0) < 8);
    }
};

QTEST_MAIN(PictureCacheTest)
#include "PictureCacheTest.moc"
