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
    source.convertTo(smooth, CV_32F);
    cv::GaussianBlur(smooth, smooth, cv::Size(), sigma);
    // The gradients are taken unrounded and kept finer than grey levels (kGain), or the gentle
    // slopes of a strong blur would break into steps and their outlines into pieces.
    constexpr double kGain = 8.0;
    cv::Mat dx, dy;
    cv::Sobel(smooth, dx, CV_32F, 1, 0, 3);
    cv::Sobel(smooth, dy, CV_32F, 0, 1, 3);
    dx.convertTo(dx, CV_16S, kGain);
    dy.convertTo(dy, CV_16S, kGain);
    // A blurred edge's gradient falls as the blur widens (under a pixel's blur the Sobel's own, about
    // 0.8, sets it): the thresholds fall with it, as they were at a blur of 1, so that an outline of
    // a given contrast is kept at any size the picture is drawn at, the page as its preview.
    const double high = kGain * (160.0 - 120.0 * detail) * std::hypot(1.0, 0.8) / std::hypot(sigma, 0.8);
    cv::Mat edges;
    cv::Canny(dx, dy, edges, high / 2.0, high, true);

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
