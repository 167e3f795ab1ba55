// SPDX-License-Identifier: GPL-3.0-or-later
// The diagram: backdrop pixels, curves, label positions, texts and colours, typesetting, the
// label rule, 2x images.

#include "testsupport.h"

#include "diagram/backdrop.h"
#include "diagram/distributiondiagram.h"
#include "diagram/labels.h"
#include "diagram/retainedplot.h"
#include "diagram/surface.h"
#include "diagram/typesetformula.h"
#include "model/fractions.h"
#include "model/presets.h"

#include <QPainter>
#include <QtTest>

#include <array>
#include <optional>

using namespace velmora;
using diagram::PrintedText;
using model::Exponents;
using test::labelRuns;

namespace {

const QColor kBlack(0, 0, 0);
const QColor kGrey(228, 228, 228);
const QColor kWhite(255, 255, 255);
const QColor kNavy(0, 0, 128);
/** Species colours by slot: light red, black, magenta, cyan, light blue. */
const std::array<QColor, 5> kSpeciesColours{QColor(255, 0, 0), QColor(0, 0, 0), QColor(128, 0, 128),
                                            QColor(0, 128, 128), QColor(0, 0, 255)};

/** One fresh 1x plot with the acid drawn and every printed piece recorded. */
struct Drawing {
    diagram::RetainedPlot plot{1.0};
    std::vector<PrintedText> printed;
    diagram::DrawnDiagram drawn;

    explicit Drawing(const Exponents& pKa, const diagram::LabelTexts& labels = {}) {
        plot.surface().setRecorder(&printed);
        drawn = plot.redraw(model::Acid(pKa), labels);
    }
    [[nodiscard]] QColor at(int x, int y) const { return plot.image().pixelColor(x, y); }
};

/** The bounding box of the dark pixels in `window` (faint antialiasing fringes left out). */
QRect inkBox(const QImage& image, const QRect& window) {
    QRect box;
    for (int y = window.top(); y <= window.bottom(); ++y) {
        for (int x = window.left(); x <= window.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 160) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

QString describe(const QRect& ink) {
    return QStringLiteral("ink (%1, %2)-(%3, %4)")
        .arg(ink.left())
        .arg(ink.top())
        .arg(ink.right())
        .arg(ink.bottom());
}

QString where(int x, int y, const QColor& got) {
    return QStringLiteral("pixel (%1, %2) is %3").arg(x).arg(y).arg(got.name());
}

} // namespace

Q_DECLARE_METATYPE(Exponents)

class TestDiagram : public QObject {
    Q_OBJECT

private slots:
    void backdropAreas_data();
    void backdropAreas();
    void backdropNumbers_data();
    void backdropNumbers();
    void backdropTitle();
    void labels_data();
    void labels();
    void exampleFormulasOnTheDiagram();
    void labelRule_data();
    void labelRule();
    void curvePixels_data();
    void curvePixels();
    void frameDrawnLast_data();
    void frameDrawnLast();
    void typesetting_data();
    void typesetting();
    void fontSizeCarriesOver();
    void longNameIsSafe();
    void textAtPen_data();
    void textAtPen();
    void doubleResolution();
};

void TestDiagram::backdropAreas_data() {
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QColor>("colour");
    const auto row = [](const char* name, int x1, int y1, int x2, int y2, const QColor& c) {
        QTest::newRow(name) << QRect(QPoint(x1, y1), QPoint(x2, y2)) << c;
    };
    row("frame top", 52, 20, 473, 20, kBlack);
    row("frame bottom", 52, 320, 473, 320, kBlack);
    row("frame left", 52, 20, 52, 320, kBlack);
    row("frame right", 473, 20, 473, 320, kBlack);
    for (int k = 1; k <= 6; ++k) {
        const int x = 52 + 60 * k;
        row(qPrintable(QStringLiteral("grid pH %1").arg(2 * k)), x, 21, x + 1, 315, kGrey);
        row(qPrintable(QStringLiteral("left of grid pH %1").arg(2 * k)), x - 1, 21, x - 1, 78,
            kWhite);
        row(qPrintable(QStringLiteral("right of grid pH %1").arg(2 * k)), x + 2, 21, x + 2, 78,
            kWhite);
    }
    for (int k = 1; k <= 4; ++k) {
        const int y = 320 - 60 * k;
        row(qPrintable(QStringLiteral("grid %1").arg(0.2 * k)), 57, y - 1, 472, y, kGrey);
        row(qPrintable(QStringLiteral("above grid %1").arg(0.2 * k)), 57, y - 2, 111, y - 2,
            kWhite);
        row(qPrintable(QStringLiteral("below grid %1").arg(0.2 * k)), 57, y + 1, 111, y + 1,
            kWhite);
    }
    for (int k = 1; k <= 9; ++k) {
        const int y = 320 - 30 * k;
        row(qPrintable(QStringLiteral("left tick %1").arg(k)), 53, y - 1, 56, y, kBlack);
        row(qPrintable(QStringLiteral("below left tick %1").arg(k)), 53, y + 1, 56, y + 1, kWhite);
    }
    for (int k = 1; k <= 13; ++k) {
        const int x = 52 + 30 * k;
        row(qPrintable(QStringLiteral("bottom tick %1").arg(k)), x, 316, x + 1, 319, kBlack);
        row(qPrintable(QStringLiteral("beside bottom tick %1").arg(k)), x + 2, 316, x + 2, 319,
            kWhite);
    }
    row("plot corner", 53, 21, 111, 48, kWhite);
    row("plot middle", 234, 141, 291, 198, kWhite);
    row("right margin", 474, 0, 494, 320, kWhite);
    row("left margin", 44, 0, 51, 321, kWhite);
    row("bottom margin", 0, 344, 494, 349, kWhite);
    row("top right", 370, 0, 494, 19, kWhite);
}

void TestDiagram::backdropAreas() {
    QFETCH(QRect, area);
    QFETCH(QColor, colour);
    const QImage image = diagram::backdropImage(1.0);
    QCOMPARE(image.size(), QSize(495, 350));
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor got = image.pixelColor(x, y);
            QVERIFY2(got == colour, qPrintable(where(x, y, got)));
        }
    }
}

void TestDiagram::backdropNumbers_data() {
    QTest::addColumn<QRect>("window");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("bottom");
    QTest::addColumn<std::optional<int>>("right");
    QTest::addColumn<std::optional<int>>("centre");
    const std::array<std::pair<const char*, int>, 6> left{
        {{"1.0", 12}, {"0.8", 73}, {"0.6", 134}, {"0.4", 193}, {"0.2", 254}, {"0.0", 313}}};
    for (const auto& [text, top] : left) {
        QTest::newRow(text) << QRect(0, top - 15, 47, 33).intersected(QRect(0, 0, 495, 350)) << top
                            << top + 13 << std::optional<int>(41) << std::optional<int>();
    }
    for (int pH = 0; pH <= 14; pH += 2) {
        const int centre = 52 + 30 * pH;
        QTest::newRow(qPrintable(QString::number(pH)))
            << QRect(centre - 22, 327, 45, 23).intersected(QRect(0, 0, 495, 350)) << 328 << 341
            << std::optional<int>() << std::optional<int>(centre);
    }
}

void TestDiagram::backdropNumbers() {
    QFETCH(QRect, window);
    QFETCH(int, top);
    QFETCH(int, bottom);
    QFETCH(std::optional<int>, right);
    QFETCH(std::optional<int>, centre);
    const QRect ink = inkBox(diagram::backdropImage(1.0), window);
    const QString box = describe(ink);
    QVERIFY2(!ink.isEmpty(), "no ink");
    QVERIFY2(std::abs(ink.top() - top) <= 2 && std::abs(ink.bottom() - bottom) <= 2,
             qPrintable(box));
    if (right) {
        QVERIFY2(std::abs(ink.right() - *right) <= 2, qPrintable(box));
    }
    if (centre) {
        QVERIFY2(std::abs((ink.left() + ink.right()) / 2.0 - *centre) <= 2.0, qPrintable(box));
    }
}

void TestDiagram::backdropTitle() {
    const QImage image = diagram::backdropImage(1.0);
    int navy = 0;
    QRect ink;
    for (int y = 0; y < 20; ++y) {
        for (int x = 60; x < 495; ++x) {
            const QColor c = image.pixelColor(x, y);
            navy += c == kNavy ? 1 : 0;
            if (c != kWhite) {
                ink |= QRect(x, y, 1, 1);
                QVERIFY2(c.red() == c.green() && c.blue() >= c.red(), qPrintable(where(x, y, c)));
            }
        }
    }
    QVERIFY2(navy > 100, qPrintable(QString::number(navy)));
    const QString box = describe(ink);
    QVERIFY2(std::abs(ink.left() - 147) <= 2 && std::abs(ink.right() - 363) <= 2, qPrintable(box));
    QVERIFY2(ink.top() >= 2 && std::abs(ink.bottom() - 17) <= 2, qPrintable(box));
}

void TestDiagram::labels_data() {
    QTest::addColumn<Exponents>("pKa");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<QPointF>>("positions");
    QTest::newRow("start acid") << Exponents{2.1, 5.4, 9.7, 12.3}
                                << QStringList{"H4A", "H3A-", "H2A2-", "HA3-", "A4-"}
                                << QList<QPointF>{
                                       {86, 33}, {152.5, 43}, {266.5, 40}, {370, 57}, {433, 35}};
    QTest::newRow("mono 2.1") << Exponents{2.1, 0, 0, 0} << QStringList{"HA", "A-"}
                              << QList<QPointF>{{86, 33}, {127, 41}};
    QTest::newRow("di 2.1, 5.4") << Exponents{2.1, 5.4, 0, 0} << QStringList{"H2A", "HA-", "A2-"}
                                 << QList<QPointF>{{86, 33}, {152.5, 43}, {222, 41}};
    QTest::newRow("tri 2.1, 5.4, 9.7")
        << Exponents{2.1, 5.4, 9.7, 0} << QStringList{"H3A", "H2A-", "HA2-", "A3-"}
        << QList<QPointF>{{86, 33}, {152.5, 43}, {266.5, 40}, {351, 41}};
    QTest::newRow("mono 7.0") << Exponents{7, 0, 0, 0} << QStringList{"HA", "A-"}
                              << QList<QPointF>{{232, 30}, {274, 41}};
    QTest::newRow("mono 0.0") << Exponents{0, 0, 0, 0} << QStringList{"HA", "A-"}
                              << QList<QPointF>{{55, 186}, {64, 41}};
    QTest::newRow("Ka2 absent, Ka3 present")
        << Exponents{2.1, 0, 9.7, 12.3} << QStringList{"HA", "A-"}
        << QList<QPointF>{{86, 33}, {127, 41}};
}

void TestDiagram::labels() {
    QFETCH(Exponents, pKa);
    QFETCH(QStringList, names);
    QFETCH(QList<QPointF>, positions);
    const Drawing d(pKa);
    QCOMPARE(d.drawn.species, names.size());
    QCOMPARE(labelRuns(d.printed), names);

    // The first piece of each label: where the label starts, in its species' colour.
    std::vector<const PrintedText*> firsts;
    for (const PrintedText& piece : d.printed) {
        if (firsts.empty() || piece.colour != firsts.back()->colour) {
            firsts.push_back(&piece);
        }
    }
    for (qsizetype j = 0; j < names.size(); ++j) {
        const auto slot = static_cast<std::size_t>(j);
        QCOMPARE(d.drawn.labelAt[slot], positions[j]);
        QCOMPARE(d.drawn.labels[slot], names[j]);
        QCOMPARE(firsts[slot]->colour, kSpeciesColours[slot]);
        QCOMPARE(firsts[slot]->x, static_cast<float>(positions[j].x()));
        QCOMPARE(firsts[slot]->y, static_cast<float>(positions[j].y()));
    }
    for (std::size_t j = static_cast<std::size_t>(names.size()); j < d.drawn.labels.size(); ++j) {
        QVERIFY(d.drawn.labels[j].isEmpty());
    }
}

void TestDiagram::exampleFormulasOnTheDiagram() {
    // Phosphoric acid's own formulas: the caret only marks where the charge starts.
    const model::Preset& phosphoric = *model::findPreset("phosphoric");
    const Drawing d(phosphoric.acid().exponents(), diagram::presetLabels(phosphoric));
    QCOMPARE(d.drawn.species, 4);
    QCOMPARE(labelRuns(d.printed), (QStringList{"H3PO4", "H2PO4-", "HPO42-", "PO43-"}));
    QCOMPARE(d.drawn.labels,
             (diagram::LabelTexts{"H3PO4", "H2PO4^-", "HPO4^2-", "PO4^3-", QString()}));
    // The same places as the generic names of the same acid.
    const Drawing generic(phosphoric.acid().exponents());
    QCOMPARE(d.drawn.labelAt, generic.drawn.labelAt);
}

void TestDiagram::labelRule_data() {
    QTest::addColumn<int>("protons");
    QTest::addColumn<QStringList>("custom");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("spoken");
    QTest::newRow("generic mono") << 1 << QStringList{} << QStringList{"HA", "A-", "", "", ""}
                                  << QStringList{"HA", "A-", "", "", ""};
    QTest::newRow("generic tetra")
        << 4 << QStringList{} << QStringList{"H4A", "H3A-", "H2A2-", "HA3-", "A4-"}
        << QStringList{"H4A", "H3A-", "H2A2-", "HA3-", "A4-"};
    QTest::newRow("formulas win") << 2 << QStringList{"H2S", "HS^-", "S^2-"}
                                  << QStringList{"H2S", "HS^-", "S^2-", "", ""}
                                  << QStringList{"H2S", "HS -", "S 2-", "", ""};
    QTest::newRow("a missing formula falls back")
        << 2 << QStringList{"H2S", "", "S^2-"} << QStringList{"H2S", "HA-", "S^2-", "", ""}
        << QStringList{"H2S", "HA-", "S 2-", "", ""};
    QTest::newRow("texts past the acid's species are left out")
        << 1 << QStringList{"HAc", "Ac^-", "X"} << QStringList{"HAc", "Ac^-", "", "", ""}
        << QStringList{"HAc", "Ac -", "", "", ""};
}

void TestDiagram::labelRule() {
    QFETCH(int, protons);
    QFETCH(QStringList, custom);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, spoken);
    diagram::LabelTexts given;
    for (qsizetype j = 0; j < custom.size(); ++j) {
        given[static_cast<std::size_t>(j)] = custom[j];
    }
    const diagram::LabelTexts got = diagram::speciesLabels(protons, given);
    QCOMPARE(QStringList(got.begin(), got.end()), labels);
    QStringList said;
    for (const std::string& name : diagram::spokenNames(got)) {
        said << QString::fromStdString(name);
    }
    QCOMPARE(said, spoken);
}

void TestDiagram::curvePixels_data() {
    QTest::addColumn<Exponents>("pKa");
    QTest::newRow("start acid") << Exponents{2.1, 5.4, 9.7, 12.3};
    QTest::newRow("mono 7.0") << Exponents{7, 0, 0, 0};
    QTest::newRow("di 2.1, 5.4") << Exponents{2.1, 5.4, 0, 0};
    QTest::newRow("tri 1, 6, 11") << Exponents{1, 6, 11, 0};
}

void TestDiagram::curvePixels() {
    QFETCH(Exponents, pKa);
    const Drawing d(pKa);
    const model::Acid acid(pKa);
    const int species = acid.protonCount() + 1;
    int checked = 0;
    for (int x = 57; x <= 471; x += 4) {
        const auto alpha = model::fractionsAt(acid, static_cast<double>(model::columnPh(x)));
        for (int j = 0; j < species; ++j) {
            const double y = 320.0 - 300.0 * alpha[static_cast<std::size_t>(j)];
            // Only where no frame, other curve or label can cover the point.
            bool clear = y > 23.0 && y < 317.0;
            for (int other = 0; other < species; ++other) {
                clear =
                    clear &&
                    (other == j ||
                     std::abs(320.0 - 300.0 * alpha[static_cast<std::size_t>(other)] - y) > 4.0);
            }
            for (const PrintedText& piece : d.printed) {
                const QRectF box(piece.x - 2.0, piece.y - 2.0, piece.width + 4.0, 20.0);
                clear = clear && !box.contains(x, y);
            }
            if (!clear) {
                continue;
            }
            // At 1x the curve's vertex is the pixel nearest to the point; next to a half, either.
            const int row = qRound(y);
            const QColor c = kSpeciesColours[static_cast<std::size_t>(j)];
            const bool nearHalf = std::abs(y - std::floor(y) - 0.5) < 0.05;
            const bool found =
                d.at(x, row) == c || (nearHalf && (d.at(x, row - 1) == c || d.at(x, row + 1) == c));
            QVERIFY2(found,
                     qPrintable(QStringLiteral("species %1 not at column %2 near row %3 (%4)")
                                    .arg(j)
                                    .arg(x)
                                    .arg(y)
                                    .arg(d.at(x, row).name())));
            ++checked;
        }
    }
    QVERIFY2(checked >= 50, qPrintable(QString::number(checked)));
}

void TestDiagram::frameDrawnLast_data() {
    QTest::addColumn<Exponents>("pKa");
    QTest::newRow("start acid") << Exponents{2.1, 5.4, 9.7, 12.3};
    QTest::newRow("mono 0.0") << Exponents{0, 0, 0, 0};
    QTest::newRow("mono 13.0") << Exponents{13, 0, 0, 0};
    QTest::newRow("tetra 0.1, 0.2, 13, 13") << Exponents{0.1, 0.2, 13, 13};
}

void TestDiagram::frameDrawnLast() {
    QFETCH(Exponents, pKa);
    const Drawing d(pKa);
    for (int x = 52; x <= 473; ++x) {
        QVERIFY2(d.at(x, 20) == kBlack, qPrintable(where(x, 20, d.at(x, 20))));
        QVERIFY2(d.at(x, 320) == kBlack, qPrintable(where(x, 320, d.at(x, 320))));
    }
    for (int y = 20; y <= 320; ++y) {
        QVERIFY2(d.at(52, y) == kBlack, qPrintable(where(52, y, d.at(52, y))));
        QVERIFY2(d.at(473, y) == kBlack, qPrintable(where(473, y, d.at(473, y))));
    }
}

namespace {

/** Expected pieces as "text:offset:points" separated by blanks; an offset is from the base row. */
struct Piece {
    QString text;
    int offset;
    double points;
};

QList<Piece> piecesOf(const QString& expected) {
    QList<Piece> pieces;
    for (const QString& item : expected.split(u' ')) {
        const QStringList f = item.split(u':');
        pieces.append({f[0], f[1].toInt(), f[2].toDouble()});
    }
    return pieces;
}

} // namespace

void TestDiagram::typesetting_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<float>("penY");
    QTest::addColumn<int>("baseRow");
    QTest::addColumn<QString>("pieces");
    // The size at entry is 12 pt, so "as current" and the 10 pt after a small part differ.
    const auto row = [](const char* name, const char* pieces, float penY = 40.0f, int base = 40,
                        const char* tag = nullptr) {
        QTest::newRow(tag != nullptr ? tag : name)
            << QString::fromLatin1(name) << penY << base << QString::fromLatin1(pieces);
    };
    row("HA", "H:0:12 A:0:12");
    row("A-", "A:0:12 -:-5:8");
    row("H2A", "H:0:12 2:5:8 A:0:10");
    row("HA-", "H:0:12 A:0:12 -:-5:8");
    row("A2-", "A:0:12 2-:-5:8");
    row("H3A", "H:0:12 3:5:8 A:0:10");
    row("H2A-", "H:0:12 2:5:8 A:0:10 -:-5:8");
    row("HA2-", "H:0:12 A:0:12 2-:-5:8");
    row("A3-", "A:0:12 3-:-5:8");
    row("H4A", "H:0:12 4:5:8 A:0:10");
    row("H3A-", "H:0:12 3:5:8 A:0:10 -:-5:8");
    row("H2A2-", "H:0:12 2:5:8 A:0:10 2-:-5:8");
    row("HA3-", "H:0:12 A:0:12 3-:-5:8");
    row("A4-", "A:0:12 4-:-5:8");
    row("H2PO4^-", "H:0:12 2:5:8 P:0:10 O:0:10 4:5:8 -:-5:8");
    row("HPO4^2-", "H:0:12 P:0:12 O:0:12 4:5:8 2-:-5:8");
    row("NH4^+", "N:0:12 H:0:12 4:5:8 +:-5:8");
    row("A^", "A:0:12");
    row("A5+", "A:0:12 5+:-5:8");
    row("A2", "A:0:12 2:5:8");
    row("2H", "2:0:12 H:0:12");
    row("-A", "-:0:12 A:0:12");
    row("H1A", "H:0:12 1:5:8 A:0:10");
    row("H6A", "H:0:12 6:5:8 A:0:10");
    row("H6Y^2+", "H:0:12 6:5:8 Y:0:10 2+:-5:8");
    row("C10H16", "C:0:12 1:5:8 0:5:8 H:0:10 1:5:8 6:5:8");
    row("H2A-", "H:0:12 2:5:8 A:0:10 -:-5:8", 40.5f, 40, "pen 40.5 rounds to 40");
    row("H2A-", "H:0:12 2:5:8 A:0:10 -:-5:8", 41.5f, 42, "pen 41.5 rounds to 42");
    row("H2A-", "H:0:12 2:5:8 A:0:10 -:-5:8", 40.6f, 41, "pen 40.6 rounds to 41");
}

void TestDiagram::typesetting() {
    QFETCH(QString, name);
    QFETCH(float, penY);
    QFETCH(int, baseRow);
    QFETCH(QString, pieces);
    const QList<Piece> expected = piecesOf(pieces);

    QImage image(495, 350, QImage::Format_RGB32);
    QPainter painter(&image);
    diagram::Surface surface;
    surface.begin(painter);
    surface.clear();
    std::vector<PrintedText> printed;
    surface.setRecorder(&printed);
    surface.setCurrentX(100.0f);
    surface.setCurrentY(penY);
    surface.setFontSize(12.0);
    surface.setForeColor(QColor(128, 0, 128));
    diagram::typesetFormula(surface, name);
    surface.end();

    QCOMPARE(printed.size(), static_cast<std::size_t>(expected.size()));
    float x = 100.0f;
    bool small = false;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        const PrintedText& got = printed[static_cast<std::size_t>(i)];
        const Piece& want = expected[i];
        QCOMPARE(got.text, want.text);
        // The first character stays where the pen was; the rest sit on the rounded base row.
        QCOMPARE(got.y, i == 0 ? penY : static_cast<float>(baseRow + want.offset));
        QCOMPARE(got.points, want.points);
        QCOMPARE(got.colour, QColor(128, 0, 128));
        QVERIFY2(std::abs(got.x - x) < 1e-3f,
                 qPrintable(QStringLiteral("piece %1 at x %2, not %3").arg(i).arg(got.x).arg(x)));
        QVERIFY(got.width > 0.0);
        x = static_cast<float>(static_cast<double>(got.x) + got.width);
        small = small || want.points == 8.0;
    }
    QVERIFY(std::abs(surface.currentX() - x) < 1e-3f);
    QCOMPARE(surface.currentY(),
             expected.size() == 1 ? penY : static_cast<float>(baseRow + expected.last().offset));
    QCOMPARE(surface.fontSize(), small ? 10.0 : 12.0);
}

void TestDiagram::fontSizeCarriesOver() {
    // A fresh surface starts at 9.75 pt: the monoprotic "HA" is printed whole at that size.
    const Drawing mono(Exponents{2.1, 0, 0, 0});
    QList<double> sizes;
    for (const PrintedText& piece : mono.printed) {
        sizes << piece.points;
    }
    QCOMPARE(sizes, (QList<double>{9.75, 9.75, 9.75, 8.0}));

    // Start acid: "H" of "H4A" at 9.75 pt; from then on normal letters at 10 pt, small parts at 8.
    Drawing start(Exponents{2.1, 5.4, 9.7, 12.3});
    QCOMPARE(start.printed.front().text, QStringLiteral("H"));
    QCOMPARE(start.printed.front().points, 9.75);
    for (std::size_t i = 1; i < start.printed.size(); ++i) {
        const PrintedText& piece = start.printed[i];
        const bool letter = piece.text.front().isLetter();
        QCOMPARE(piece.points, letter ? 10.0 : 8.0);
    }
    // The next redraw keeps the size the last one left behind.
    start.printed.clear();
    start.plot.redraw(model::Acid::startAcid());
    QCOMPARE(start.printed.front().points, 10.0);
}

void TestDiagram::longNameIsSafe() {
    diagram::Surface surface;
    std::vector<PrintedText> printed;
    surface.setRecorder(&printed);
    const QString name =
        QStringLiteral("H2").repeated(5000); // ends on a digit: the look-ahead runs off the end
    diagram::typesetFormula(surface, name);
    QCOMPARE(printed.size(), std::size_t{10000});
    QCOMPARE(printed.back().text, QStringLiteral("2"));
    QCOMPARE(printed.back().points, 8.0);

    printed.clear();
    diagram::typesetFormula(surface, QStringLiteral("A").repeated(9999) + u'^');
    QCOMPARE(printed.size(), std::size_t{9999});
}

void TestDiagram::textAtPen_data() {
    QTest::addColumn<double>("points");
    QTest::addColumn<int>("capHeight"); // pixels at 96 dpi, Arial bold
    QTest::newRow("8 pt") << 8.0 << 8;
    QTest::newRow("9.75 pt") << 9.75 << 9;
    QTest::newRow("10 pt") << 10.0 << 9;
}

void TestDiagram::textAtPen() {
    // A capital's ink starts just below the pen (the text's top-left corner is at the pen) and
    // at its left; the pen moves right by the advance while Y stays.
    QFETCH(double, points);
    QFETCH(int, capHeight);
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    diagram::Surface surface;
    surface.begin(painter);
    surface.setCurrentX(50.0f);
    surface.setCurrentY(30.0f);
    surface.setFontSize(points);
    surface.setForeColor(QColor(0, 0, 255));
    surface.print(QStringLiteral("HH"));
    surface.end();
    painter.end();
    const QRect ink = inkBox(image, image.rect());
    const float advance = surface.currentX() - static_cast<float>(ink.right());
    const QString box = describe(ink) + QStringLiteral(", pen X %1").arg(surface.currentX());
    QVERIFY2(ink.left() >= 50 && ink.left() <= 52 && ink.top() >= 31 && ink.top() <= 34,
             qPrintable(box));
    QVERIFY2(std::abs(ink.height() - capHeight) <= 1 && advance > 0.0f && advance < 4.0f,
             qPrintable(box));
    QCOMPARE(surface.currentY(), 30.0f);
    QCOMPARE(image.pixelColor(ink.left() + 1, ink.center().y()), QColor(0, 0, 255));
}

void TestDiagram::doubleResolution() {
    diagram::RetainedPlot plot(2.0);
    const diagram::DrawnDiagram drawn = plot.redraw(model::Acid::startAcid());
    const QImage& image = plot.image();
    QCOMPARE(image.size(), QSize(990, 700));
    QCOMPARE(image.devicePixelRatio(), 2.0);
    // The same logical geometry as at 1x.
    const Drawing single(Exponents{2.1, 5.4, 9.7, 12.3});
    QCOMPARE(drawn.species, single.drawn.species);
    for (std::size_t j = 0; j < drawn.labelAt.size(); ++j) {
        QCOMPARE(drawn.labelAt[j], single.drawn.labelAt[j]);
    }
    // The frame's one logical pixel is two device pixels wide, at 2 * 52 and 2 * 473.
    const auto dark = [&](int x, int y) { return qGray(image.pixel(x, y)) < 40; };
    for (int y = 42; y <= 638; ++y) {
        QVERIFY2(dark(104, y) && dark(105, y) && dark(946, y) && dark(947, y),
                 qPrintable(QString::number(y)));
    }
    for (int x = 106; x <= 944; ++x) {
        QVERIFY2(dark(x, 40) && dark(x, 41) && dark(x, 640) && dark(x, 641),
                 qPrintable(QString::number(x)));
    }
    for (int y : {130, 250, 450, 600}) {
        QVERIFY2(!dark(103, y) && !dark(948, y), qPrintable(QString::number(y)));
    }
}

QTEST_MAIN(TestDiagram)
#include "test_diagram.moc"
