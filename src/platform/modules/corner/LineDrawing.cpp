#include "platform/modules/corner/LineDrawing.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace modules::corner {

namespace {

// A view of a Grayscale8 QImage as an OpenCV matrix, sharing its pixels.
cv::Mat View(QImage& Image)
{
    return cv::Mat(Image.height(), Image.width(), CV_8UC1, Image.bits(), std::size_t(Image.bytesPerLine()));
}

}  // namespace

QImage LineDrawing(const QImage& Picture, const TLineDrawingOptions& Options)
{
    if (Picture.isNull()) return QImage();
    QImage grey = Picture.convertToFormat(QImage::Format_Grayscale8);
    const cv::Mat source = View(grey);
    const double detail = std::clamp(Options.Detail, 0, 100) / 100.0;
    const int longest = std::max(grey.width(), grey.height());

    // Less detail: more smoothing, so texture (fur, grass, paper grain) gives no edges, and higher
    // thresholds, so only strong outlines are kept.
    cv::Mat smooth;
    const double sigma = std::max(0.6, longest / 1000.0 * (3.5 - 2.7 * detail));
    cv::GaussianBlur(source, smooth, cv::Size(), sigma);
    const double high = 160.0 - 120.0 * detail;
    cv::Mat edges;
    cv::Canny(smooth, edges, high / 2.0, high, 3, true);

    // Specks: connected bits of edge shorter than a share of the picture's size.
    const int smallest =
        Options.SmallestLine > 0 ? Options.SmallestLine : std::max(4, int(std::lround(longest * (0.03 - 0.025 * detail))));
    cv::Mat labels, stats, centroids;
    const int count = cv::connectedComponentsWithStats(edges, labels, stats, centroids, 8, CV_32S);
    std::vector<uchar> keep(std::size_t(count), 0);
    for (int i = 1; i < count; ++i) {
        const int w = stats.at<int>(i, cv::CC_STAT_WIDTH), h = stats.at<int>(i, cv::CC_STAT_HEIGHT);
        keep[std::size_t(i)] = std::max(w, h) >= smallest ? 255 : 0;
    }
    for (int y = 0; y < edges.rows; ++y) {
        const int* label = labels.ptr<int>(y);
        uchar* edge = edges.ptr<uchar>(y);
        for (int x = 0; x < edges.cols; ++x) edge[x] = keep[std::size_t(label[x])];
    }

    // Thick round lines: each edge pixel becomes a disc of the line's width.
    const int width = std::max(1, Options.LineWidth);
    if (width > 1) {
        const cv::Mat disc = cv::getStructuringElement(cv::MORPH_ELLIPSE, cv::Size(width, width));
        cv::dilate(edges, edges, disc);
    }

    QImage result(grey.size(), QImage::Format_Grayscale8);
    cv::Mat out = View(result);
    cv::bitwise_not(edges, out);
    return result;
}

}  // namespace modules::corner
