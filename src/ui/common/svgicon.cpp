// SPDX-License-Identifier: GPL-3.0-or-later
#include "svgicon.h"

#include <QApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include <memory>

namespace velmora::ui {

namespace {

/** The picture drawn to fill `pixels`, transparent around it. */
QPixmap rendered(QSvgRenderer& renderer, const QSize& pixels) {
    QPixmap pixmap(pixels);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    return pixmap;
}

/** The translators' context of the words on the button faces. */
constexpr char kWordContext[] = "velmora::resources::Picture";

/**
 * A picture ready to draw: its renderer and, when its word is translated, the word to draw over
 * it in the box its capitals fill (in the picture's own coordinates).
 */
struct Face {
    std::unique_ptr<QSvgRenderer> renderer;
    FaceWord word;
    QRectF box;
};

/** The picture without the element `id`: the element is the one empty tag that carries it. */
QByteArray withoutElement(const QByteArray& svg, const QByteArray& id) {
    const qsizetype at = svg.indexOf("id=\"" + id + '"');
    const qsizetype start = at < 0 ? -1 : svg.lastIndexOf('<', at);
    const qsizetype end = at < 0 ? -1 : svg.indexOf("/>", at);
    if (start < 0 || end < 0) {
        return svg;
    }
    return svg.left(start) + svg.mid(end + 2);
}

/**
 * The word's font, Liberation Sans Bold, at a large size; it is scaled down to the box when drawn,
 * so that any fraction of a pixel is kept.
 */
QFont wordFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(100);
    return font;
}

/**
 * How much wordFont() is scaled for `text` in `box`: its capitals fill the box's height, unless
 * the word is then wider than the box; `shrink` tells how much smaller than that it is set.
 */
qreal fittedScale(const QString& text, const QRectF& box, qreal& shrink) {
    const QFontMetricsF metrics(wordFont());
    const qreal designed = box.height() / metrics.capHeight();
    const qreal width = metrics.horizontalAdvance(text) * designed;
    shrink = width > box.width() ? box.width() / width : 1.0;
    return designed * shrink;
}

/** Loads the picture at `path`; a word its title names is translated where a translation has it. */
Face loadFace(const QString& path) {
    QFile file(path);
    const QByteArray svg = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    Face face{std::make_unique<QSvgRenderer>(svg), {}, {}};
    if (!svg.contains("id=\"word\"")) {
        return face;
    }
    static const QRegularExpression title(QStringLiteral("<title>([^<]*)</title>"));
    const QString english = title.match(QString::fromUtf8(svg)).captured(1);
    const QString translated =
        QCoreApplication::translate(kWordContext, english.toUtf8().constData());
    face.word.text = translated;
    if (english.isEmpty() || translated == english) {
        return face;
    }
    face.word.drawn = true;
    face.box = face.renderer->boundsOnElement(QStringLiteral("wordbox"));
    fittedScale(translated, face.box, face.word.scale);
    face.renderer->load(withoutElement(svg, "word"));
    return face;
}

/** Draws a face's translated word over its picture, drawn at the pixmap's size. */
void drawWord(QPixmap& pixmap, const Face& face) {
    if (!face.word.drawn) {
        return;
    }
    const QSizeF view = face.renderer->viewBoxF().size();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(pixmap.width() / view.width(), pixmap.height() / view.height());
    qreal shrink = 1.0;
    const qreal scale = fittedScale(face.word.text, face.box, shrink);
    const QFont font = wordFont();
    const qreal width = QFontMetricsF(font).horizontalAdvance(face.word.text) * scale;
    // The word stands on the box's bottom, centred in its width.
    painter.translate(face.box.center().x() - width / 2.0, face.box.bottom());
    painter.scale(scale, scale);
    painter.setFont(font);
    painter.setPen(QColor(0x11, 0x11, 0x11));
    painter.drawText(QPointF(0, 0), face.word.text);
}

class SvgIconEngine : public QIconEngine {
public:
    explicit SvgIconEngine(QString path) : m_path(std::move(path)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio =
            painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, scaledPixmap(rect.size() * ratio, mode, state, ratio));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    /** The picture `pixels` large (device pixels, as QIcon asks), for the ratio `scale`. */
    QPixmap scaledPixmap(const QSize& pixels, QIcon::Mode mode, QIcon::State /*state*/,
                         qreal scale) override {
        if (pixels.isEmpty()) {
            return {};
        }
        const QString key = QStringLiteral("%1x%2/%3")
                                .arg(pixels.width())
                                .arg(pixels.height())
                                .arg(static_cast<int>(mode));
        if (const auto kept = m_pixmaps.constFind(key); kept != m_pixmaps.cend()) {
            return *kept;
        }
        if (!m_face.renderer) {
            m_face = loadFace(m_path);
        }
        QPixmap picture = rendered(*m_face.renderer, pixels);
        drawWord(picture, m_face);
        if (mode != QIcon::Normal && mode != QIcon::Active && QApplication::style() != nullptr) {
            // Disabled and selected looks as the style makes them of any picture.
            const QStyleOption option;
            picture = QApplication::style()->generatedIconPixmap(mode, picture, &option);
        }
        picture.setDevicePixelRatio(scale);
        m_pixmaps.insert(key, picture);
        return picture;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QString key() const override { return QStringLiteral("velmora-svg"); }
    QIconEngine* clone() const override { return new SvgIconEngine(m_path); }
    bool isNull() override { return m_path.isEmpty(); }

private:
    QString m_path;
    Face m_face;
    QHash<QString, QPixmap> m_pixmaps;
};

} // namespace

QIcon svgIcon(const QString& path) {
    return QIcon(new SvgIconEngine(path));
}

FaceWord faceWord(const QString& path) {
    return loadFace(path).word;
}

QIcon svgWindowIcon(const QString& path, const QSize& size, qreal ratio) {
    // The program's icon and its main window's are the same picture: drawn once.
    const QString key = QStringLiteral("velmora-window-icon:%1:%2x%3@%4")
                            .arg(path)
                            .arg(size.width())
                            .arg(size.height())
                            .arg(ratio);
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        QSvgRenderer renderer(path);
        picture = rendered(renderer, size * ratio);
        picture.setDevicePixelRatio(ratio);
        QPixmapCache::insert(key, picture);
    }
    return QIcon(picture);
}

} // namespace velmora::ui
