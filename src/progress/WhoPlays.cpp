#include "progress/WhoPlays.h"

#include "platform/widgets/Label.h"

#include <QGridLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QPixmap>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int kTileWidth = 220;
constexpr int kTileHeight = 240;
constexpr int kPictureSize = 170;
constexpr int kTilesPerRow = 4;
}  // namespace

TWhoPlays::TWhoPlays(const std::vector<TChild>& Children, const std::function<QImage(const QString&)>& PictureOf,
                     QWidget* Parent)
    : QWidget(Parent)
{
    setObjectName(QStringLiteral("WhoPlays"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(24, 24, 24, 24);
    auto* title = new TLabel(QStringLiteral("Кто играет?"), this);
    QFont font = title->font();
    font.setPointSize(28);
    font.setBold(true);
    title->setFont(font);
    title->setAlignment(Qt::AlignCenter);
    page->addWidget(title);
    auto* grid = new QGridLayout;
    grid->setSpacing(16);
    for (size_t i = 0; i < Children.size(); ++i) {
        const TChild& child = Children[i];
        // Qt's own button: it draws the picture over the caption and speaks to screen readers.
        auto* tile = new QToolButton(this);
        tile->setObjectName(QStringLiteral("WhoPlaysButton%1").arg(i));
        tile->setText(child.ShownName());
        tile->setAccessibleName(child.ShownName());
        tile->setCursor(Qt::PointingHandCursor);
        tile->setFocusPolicy(Qt::StrongFocus);
        tile->setFixedSize(kTileWidth, kTileHeight);
        QFont caption = tile->font();
        caption.setPointSize(18);
        caption.setBold(true);
        tile->setFont(caption);
        const QImage picture = PictureOf ? PictureOf(child.Picture) : QImage();
        if (!picture.isNull()) {
            tile->setIcon(QIcon(QPixmap::fromImage(picture)));
            tile->setIconSize(QSize(kPictureSize, kPictureSize));
        }
        tile->setToolButtonStyle(picture.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonTextUnderIcon);
        const qint64 id = child.Id;
        connect(tile, &QAbstractButton::clicked, this, [this, id] {
            if (OnChoose) OnChoose(id);
        });
        const int index = static_cast<int>(i);
        grid->addWidget(tile, index / kTilesPerRow, index % kTilesPerRow, Qt::AlignCenter);
        FTiles.push_back(tile);
    }
    page->addLayout(grid);
    page->addStretch(1);
}

void TWhoPlays::keyPressEvent(QKeyEvent* Event)
{
    const auto focused = std::find(FTiles.begin(), FTiles.end(), focusWidget());
    if (focused == FTiles.end()) return QWidget::keyPressEvent(Event);
    switch (Event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!Event->isAutoRepeat()) (*focused)->click();
            return;
        case Qt::Key_Left:
        case Qt::Key_Up:
            focusPreviousChild();
            return;
        case Qt::Key_Right:
        case Qt::Key_Down:
            focusNextChild();
            return;
        default:
            QWidget::keyPressEvent(Event);
    }
}
