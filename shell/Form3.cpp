#include "shell/Form3.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QShowEvent>

#include "automation/word/WordTypes.h"
#include "formatting/LinePreviewTable.h"
#include "shell/LineSamples.h"
#include "shell/Twips.h"

namespace dorvane::shell {
namespace {

// Geometry inside a frame, in twips.
constexpr int kFrameHeight = 3060;
constexpr int kFirstRow = 300;
constexpr int kRowPitch = 360;
constexpr int kSampleWidth = 1680;
constexpr int kOptionWidth = 255;
// Left edges of the three sample columns; each option button stands to
// the right of its column.
constexpr int kColumnLeft[] = {120, 2760, 5400};
constexpr int kOptionGap = 120;

constexpr const char* kFrameCaptions[] = {"上下边框", "左右边框", "内横竖线"};

int Code(std::string_view text) { return text.empty() ? 0 : std::stoi(std::string(text)); }

int PickStyle(const formatting::LinePick& pick) { return Code(pick.picture->styleCode); }

}  // namespace

LineSampleColumn::LineSampleColumn(int styleCode, std::vector<int> widthCodes, QWidget* parent)
    : QWidget(parent), styleCode_(styleCode), widthCodes_(std::move(widthCodes)) {}

void LineSampleColumn::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::gray);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const int pitch = TwipsToPixelsY(kRowPitch);
    for (std::size_t row = 0; row < widthCodes_.size(); ++row) {
        const QRect area(0, static_cast<int>(row) * pitch, width(), pitch);
        PaintLineSample(painter, area.adjusted(2, 0, -2, 0), styleCode_, widthCodes_[row]);
    }
}

Form3::Form3(QWidget* parent) : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QString::fromUtf8("表格上下、左右和内部线型设置"));
    FixClientSizeTwips(this, 8415, 9510);
    for (int group = 1; group <= 3; ++group) BuildFrame(group, 120 + (group - 1) * 3120);
}

void Form3::BuildFrame(int group, int top) {
    auto* frame = new QGroupBox(QString::fromUtf8(kFrameCaptions[group - 1]), this);
    frame->setObjectName(QStringLiteral("Frame%1").arg(group));
    PlaceTwips(frame, 120, top, 8175, kFrameHeight);
    frames_[group - 1] = frame;
    auto* buttons = new QButtonGroup(frame);
    buttons->setExclusive(true);
    groups_[group - 1] = buttons;

    // The picks come in frame order: single lines, dotted lines, double
    // lines, then no line. A new column starts where the style changes.
    int column = -1, row = 0, style = -1;
    std::vector<std::vector<int>> widths;
    std::vector<int> styles;
    for (const formatting::LinePick& pick : formatting::LinePicksOfGroup(group)) {
        auto* option = new QRadioButton(frame);
        option->setObjectName(QString::fromUtf8(pick.option.data(),
                                                static_cast<qsizetype>(pick.option.size())));
        buttons->addButton(option);
        const formatting::LinePick* chosen = &pick;
        connect(option, &QRadioButton::toggled, this, [this, chosen](bool on) {
            if (on) emit picked(chosen);
        });
        if (pick.picture->IsNoLine()) {
            // Lower right: "不显示", a blank sample and the option.
            const int noLineTop = kFirstRow + 6 * kRowPitch;
            auto* label = new QLabel(QString::fromUtf8("不显示"), frame);
            PlaceTwips(label, kColumnLeft[2], noLineTop + 30, 720, 255);
            auto* blank = new LineSampleColumn(word::wdLineStyleNone, {}, frame);
            PlaceTwips(blank, kColumnLeft[2] + 720, noLineTop, kSampleWidth - 720, kRowPitch);
            PlaceTwips(option, kColumnLeft[2] + kSampleWidth + kOptionGap, noLineTop + 45,
                       kOptionWidth, 270);
            continue;
        }
        if (PickStyle(pick) != style) {
            style = PickStyle(pick);
            ++column;
            row = 0;
            widths.emplace_back();
            styles.push_back(style);
        }
        widths.back().push_back(Code(pick.picture->widthCode));
        PlaceTwips(option, kColumnLeft[column] + kSampleWidth + kOptionGap,
                   kFirstRow + row * kRowPitch + 45, kOptionWidth, 270);
        ++row;
    }
    for (std::size_t c = 0; c < widths.size(); ++c) {
        auto* sample = new LineSampleColumn(styles[c], widths[c], frame);
        sample->setObjectName(QStringLiteral("Sample%1_%2").arg(group).arg(c + 1));
        PlaceTwips(sample, kColumnLeft[c], kFirstRow,
                   kSampleWidth, static_cast<int>(widths[c].size()) * kRowPitch);
        sample->lower();
    }
}

QGroupBox* Form3::Frame(int group) const {
    return group >= 1 && group <= 3 ? frames_[group - 1] : nullptr;
}

QRadioButton* Form3::Option(const QString& name) const {
    return findChild<QRadioButton*>(name);
}

bool Form3::AnySelected() const {
    for (QButtonGroup* buttons : groups_)
        if (buttons->checkedButton()) return true;
    return false;
}

void Form3::ClearSelection() {
    for (QButtonGroup* buttons : groups_) {
        buttons->setExclusive(false);
        for (QAbstractButton* button : buttons->buttons()) {
            const QSignalBlocker quiet(button);
            button->setChecked(false);
        }
        buttons->setExclusive(true);
    }
}

void Form3::showEvent(QShowEvent* event) {
    // Opening the window starts without a selection; coming back from the
    // task bar (a spontaneous show) keeps what the user sees.
    if (!event->spontaneous()) ClearSelection();
    QWidget::showEvent(event);
}

}  // namespace dorvane::shell
