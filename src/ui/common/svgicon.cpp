// SPDX-License-Identifier: GPL-3.0-or-later
#include "svgicon.h"

#include <QApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
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
        if (!m_renderer) {
            m_renderer = std::make_unique<QSvgRenderer>(m_path);
        }
        QPixmap picture = rendered(*m_renderer, pixels);
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
    std::unique_ptr<QSvgRenderer> m_renderer;
    QHash<QString, QPixmap> m_pixmaps;
};

} // namespace

QIcon svgIcon(const QString& path) {
    return QIcon(new SvgIconEngine(path));
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
