#include "progress/WhoPlays.h"

#include "platform/widgets/Label.h"

#include <QGridLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QPixmap>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int kSpacing = 16;
// A few children get big tiles; a group gets tiles that show more of it at once.
constexpr size_t kFewChildren = 8;
constexpr QSize kBigTile(220, 240), kSmallTile(TWhoPlays::kSmallestTile, 180);
constexpr int kBigPicture = 170, kSmallPicture = 120;
}  // namespace

TWhoPlays::TWhoPlays(const std::vector<TChild>& Children, const std::function<QImage(const QString&)>& PictureOf,
                     QWidget* Parent)
    : QWidget(Parent), FScroll(new QScrollArea(this))
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

    FScroll->setObjectName(QStringLiteral("WhoPlaysScrollArea"));
    FScroll->setWidgetResizable(true);
    FScroll->setFrameShape(QFrame::NoFrame);
    FScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* tiles = new QWidget(FScroll);
    tiles->setObjectName(QStringLiteral("WhoPlaysTilesPanel"));
    FGrid = new QGridLayout(tiles);
    FGrid->setSpacing(kSpacing);
    FGrid->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    const bool few = Children.size() <= kFewChildren;
    const QSize tileSize = few ? kBigTile : kSmallTile;
    const int pictureSize = few ? kBigPicture : kSmallPicture;
    FTileWidth = tileSize.width();
    for (size_t i = 0; i < Children.size(); ++i) {
        const TChild& child = Children[i];
        // Qt's own button: it draws the picture over the caption and speaks to screen readers.
        auto* tile = new QToolButton(tiles);
        tile->setObjectName(QStringLiteral("WhoPlaysButton%1").arg(i));
        tile->setText(child.ShownName());
        tile->setAccessibleName(child.ShownName());
        tile->setCursor(Qt::PointingHandCursor);
        tile->setFocusPolicy(Qt::StrongFocus);
        tile->setFixedSize(tileSize);
        QFont caption = tile->font();
        caption.setPointSize(few ? 18 : 15);
        caption.setBold(true);
        tile->setFont(caption);
        const QImage picture = PictureOf ? PictureOf(child.Picture) : QImage();
        if (!picture.isNull()) {
            tile->setIcon(QIcon(QPixmap::fromImage(picture)));
            tile->setIconSize(QSize(pictureSize, pictureSize));
        }
        tile->setToolButtonStyle(picture.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonTextUnderIcon);
        const qint64 id = child.Id;
        connect(tile, &QAbstractButton::clicked, this, [this, id] {
            if (OnChoose) OnChoose(id);
        });
        tile->installEventFilter(this);
        FTiles.push_back(tile);
    }
    FScroll->setWidget(tiles);
    page->addWidget(FScroll, 1);
    PlaceTiles();
}

void TWhoPlays::resizeEvent(QResizeEvent* Event)
{
    QWidget::resizeEvent(Event);
    PlaceTiles();
}

// As many columns as the width holds (the scroll bar's room kept free), at most the children's number.
void TWhoPlays::PlaceTiles()
{
    const int width = FScroll->width() - FScroll->verticalScrollBar()->sizeHint().width();
    const int fit = std::max(1, (width + kSpacing) / (FTileWidth + kSpacing));
    const int columns = std::min(fit, std::max(1, static_cast<int>(FTiles.size())));
    if (columns == FColumns) return;
    FColumns = columns;
    for (QToolButton* tile : FTiles) FGrid->removeWidget(tile);
    for (size_t i = 0; i < FTiles.size(); ++i) {
        const int index = static_cast<int>(i);
        FGrid->addWidget(FTiles[i], index / FColumns, index % FColumns, Qt::AlignCenter);
    }
}

void TWhoPlays::FocusTile(int Index)
{
    if (Index < 0 || Index >= static_cast<int>(FTiles.size())) return;
    FTiles[static_cast<size_t>(Index)]->setFocus(Qt::TabFocusReason);
    FScroll->ensureWidgetVisible(FTiles[static_cast<size_t>(Index)], 0, kSpacing);
}

bool TWhoPlays::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Event->type() == QEvent::FocusIn) {
        // Tab, or a tile focused by the caller: the tile comes into view.
        if (auto* tile = qobject_cast<QWidget*>(Watched)) FScroll->ensureWidgetVisible(tile, 0, kSpacing);
        return false;
    }
    if (Event->type() != QEvent::KeyPress) return false;
    const auto focused = std::find(FTiles.begin(), FTiles.end(), Watched);
    if (focused == FTiles.end()) return false;
    const int index = static_cast<int>(focused - FTiles.begin());
    auto* key = static_cast<QKeyEvent*>(Event);
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!key->isAutoRepeat()) (*focused)->click();
            return true;
        case Qt::Key_Left:
            FocusTile(index - 1);
            return true;
        case Qt::Key_Right:
            FocusTile(index + 1);
            return true;
        case Qt::Key_Up:
            FocusTile(index - FColumns);
            return true;
        case Qt::Key_Down:
            // From a row above a shorter last row, down goes to the last tile.
            FocusTile(std::min(index + FColumns, static_cast<int>(FTiles.size()) - 1));
            return true;
        default:
            return false;
    }
}
