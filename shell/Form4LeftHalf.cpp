// The left half of the main window: the frames "表格设置", "表内文字" and
// "对齐方式", always visible.

#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "formatting/FieldDescriptions.h"
#include "shell/Form4.h"
#include "shell/Form4Controls.h"
#include "shell/Twips.h"

namespace dorvane::shell {
namespace {

// Rows of the fields inside a frame, in twips from the frame's top.
constexpr int kRow1 = 300;
constexpr int kRow2 = 720;
constexpr int kRow3 = 1140;
constexpr int kRow4 = 1500;

constexpr int kFrameLeft = 240;
constexpr int kFrameWidth = 5892;

// The fixed picture beside "上下对齐": text centred between two lines.
QPixmap VerticalCentrePicture(QSize size) {
    QPixmap picture(size);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    const int w = size.width(), h = size.height();
    painter.drawRect(0, 0, w - 1, h - 1);
    painter.drawLine(3, h / 2 - 2, w - 4, h / 2 - 2);
    painter.drawLine(3, h / 2 + 1, w - 4, h / 2 + 1);
    return picture;
}

}  // namespace

void Form4::BuildLeftHalf() {
    QGroupBox* table = AddFrame("表格设置", kFrameLeft, 120, kFrameWidth, 1800);
    AddField(table, "Combo8", {120, kRow1, 840, 1000, 1215});
    AddField(table, "Combo7", {120, kRow2, 840, 1000, 1800});
    AddField(table, "Combo13", {0, kRow3, 0, 120, 1095});
    AddField(table, "Combo6", {0, kRow3, 0, 1320, 1095});
    AddLineGroupRow(table, 1, kRow1);
    AddLineGroupRow(table, 2, kRow2);
    AddLineGroupRow(table, 3, kRow3);
    AddField(table, "Check3", {0, kRow4, 0, 120, 5500});

    QGroupBox* text = AddFrame("表内文字", kFrameLeft, 2040, kFrameWidth, 1800);
    AddField(text, "Combo1", {120, kRow1, 840, 1000, 1335});
    AddField(text, "Combo3", {120, kRow2, 840, 1000, 1335});
    AddField(text, "Combo2", {120, kRow3, 840, 1000, 1335});
    AddField(text, "Combo4", {2520, kRow1, 840, 3400, 1095});
    AddField(text, "Combo12", {2520, kRow2, 840, 3400, 2340});
    AddField(text, "Combo5", {2520, kRow3, 1860, 4440, 1300});
    AddField(text, "Check5", {0, kRow4, 0, 120, 2880});
    AddField(text, "Check4", {3280, kRow4, 1800, 3000, 255});

    QGroupBox* align = AddFrame("对齐方式", kFrameLeft, 3960, kFrameWidth, 2085);
    AddField(align, "Combo9", {120, kRow1, 840, 1000, 1335});
    AddField(align, "Combo10", {120, kRow2, 840, 1000, 1335});
    AddField(align, "Combo11", {120, kRow3, 840, 1000, 2000});
    AddLabel(align, "上下对齐", 3240, kRow1 + 30, 840)->setObjectName(QStringLiteral("Label5"));
    auto* picture = new QLabel(align);
    picture->setObjectName(QStringLiteral("Picture25"));
    PlaceTwips(picture, 4140, kRow1 - 15, 495, 330);
    picture->setPixmap(VerticalCentrePicture(picture->size()));
    AddField(align, "Check2", {0, kRow2, 0, 3240, 2500});
    AddField(align, "Check6", {0, kRow3, 0, 3240, 2550});
    Command1 = AddButton(align, "Command1", "开   始", 1000, 1560, 1335, 390);
    Command2 = AddButton(align, "Command2", "更多功能 >>", 3240, 1560, 1800, 390);
    connect(Command2, &QPushButton::clicked, this, &Form4::ToggleWidth);

    auto* separator = new QFrame(this);
    separator->setObjectName(QStringLiteral("Line1"));
    separator->setFrameShape(QFrame::VLine);
    separator->setFrameShadow(QFrame::Sunken);
    PlaceTwips(separator, 6360 - 15, 0, 30, kClientHeight);
}

void Form4::AddLineGroupRow(QGroupBox* frame, int group, int top) {
    static const char* const kCaptions[] = {"上下边框", "左右边框", "内横竖线"};
    auto* label = new ClickableLabel(QString::fromUtf8(kCaptions[group - 1]), frame);
    label->setObjectName(QStringLiteral("Label%1").arg(group));
    PlaceTwips(label, 3240, top + 30, 840, 255);
    auto* box = new LinePreviewBox(frame);
    box->setObjectName(QStringLiteral("Picture%1").arg(20 + group));
    PlaceTwips(box, 4140, top - 15, 1560, 330);
    connect(label, &ClickableLabel::doubleClicked, this, &Form4::lineChooserRequested);
    connect(box, &LinePreviewBox::clicked, this, &Form4::lineChooserRequested);
    (group == 1 ? Label1 : group == 2 ? Label2 : Label3) = label;
    (group == 1 ? Picture21 : group == 2 ? Picture22 : Picture23) = box;
}

}  // namespace dorvane::shell
