#include "shell/Form4.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "automation/word/Application.h"
#include "formatting/FieldDescriptions.h"
#include "formatting/LinePreviewTable.h"
#include "shell/Form4Controls.h"
#include "shell/Twips.h"

namespace dorvane::shell {
namespace {

const QString kSpecifiedWidth = QString::fromUtf8("指定宽度");

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

Form4::Form4(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Dorvane"));
    BuildLeftHalf();
    BuildRightHalf();
    BuildHiddenControls();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, &Form4::WatchWord);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    connect(Timer2, &QTimer::timeout, this, &Form4::ApplyVisibilityRule);

    SetWidthTwips(kNarrowWidth);
}

Form4::~Form4() = default;

void Form4::InitialiseSettings() {
    for (std::string_view name : formatting::InitialisationOrder()) {
        if (name.starts_with("LineStyle"))
            lines_.Set(name, formatting::kOpeningLineStyle);
        else if (name.starts_with("LineWidth"))
            lines_.Set(name, formatting::kOpeningLineWidth);
        else if (const auto* field = formatting::FindFieldDescription(name))
            InitialiseField(*field);
    }
}

void Form4::InitialiseField(const formatting::FieldDescription& field) {
    if (QComboBox* combo = Combo(field.name)) {
        combo->clear();
        for (std::string_view entry : field.entries) combo->addItem(Text(entry));
        SetFieldText(field.name, std::string(field.opening));
    } else if (QCheckBox* check = Check(field.name)) {
        check->setChecked(field.opening == "1");
    }
}

void Form4::StartTimers(int watchInterval, int visibilityInterval) {
    Timer1->start(watchInterval);
    Timer2->start(visibilityInterval);
}

void Form4::StopTimers() {
    Timer1->stop();
    Timer2->stop();
}

void Form4::SetWidthTwips(int twips) {
    widthTwips_ = twips;
    FixClientSizeTwips(this, twips, kClientHeight);
}

void Form4::ToggleWidth() {
    SetWidthTwips(widthTwips_ == kWideWidth ? kNarrowWidth : kWideWidth);
}

void Form4::WatchWord() {
    int count = 0;
    try {
        if (!WordApp) throw std::runtime_error("no Word instance");
        count = WordApp->Documents()->Count();
    } catch (...) {
        emit wordLost();
        return;
    }
    if (count < 1 || DocumentSeen) return;
    show();
    DocumentSeen = true;
}

void Form4::ApplyVisibilityRule() {
    const bool visible = Combo("Combo7")->currentText() == kSpecifiedWidth;
    Combo("Combo13")->setVisible(visible);
    Combo("Combo6")->setVisible(visible);
}

formatting::FormatSettings Form4::Settings() const {
    formatting::FormatSettings settings = lines_;
    for (const auto& [name, combo] : combos_) settings.Set(name, combo->currentText().toStdString());
    for (const auto& [name, check] : checks_) settings.Set(name, check->isChecked() ? "1" : "0");
    return settings;
}

void Form4::ApplySettings(const formatting::FormatSettings& settings) {
    for (int group = 1; group <= 3; ++group) {
        lines_.PreviewBox(group) = settings.PreviewBox(group);
        lines_.LineStyle(group) = *settings.Get("LineStyle" + std::to_string(group));
        lines_.LineWidth(group) = *settings.Get("LineWidth" + std::to_string(group));
        PreviewBox(group)->SetPicture(settings.PreviewBox(group));
    }
    for (const auto& [name, combo] : combos_) SetFieldText(name, *settings.Get(name));
    for (const auto& [name, check] : checks_) check->setChecked(*settings.Get(name) == "1");
}

void Form4::ApplyLinePick(const formatting::LinePick& pick) {
    formatting::ApplyLinePick(lines_, pick);
    PreviewBox(pick.group)->SetPicture(lines_.PreviewBox(pick.group));
}

void Form4::SetFieldText(std::string_view name, const std::string& value) {
    QComboBox* combo = Combo(name);
    const QString text = QString::fromStdString(value);
    const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0) combo->setCurrentIndex(index);
    combo->setEditText(text);
}

QComboBox* Form4::Combo(std::string_view name) const {
    auto it = combos_.find(name);
    return it == combos_.end() ? nullptr : it->second;
}

QCheckBox* Form4::Check(std::string_view name) const {
    auto it = checks_.find(name);
    return it == checks_.end() ? nullptr : it->second;
}

LinePreviewBox* Form4::PreviewBox(int group) const {
    switch (group) {
        case 1: return Picture21;
        case 2: return Picture22;
        case 3: return Picture23;
        default: return nullptr;
    }
}

void Form4::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closeRequested();
}

QGroupBox* Form4::AddFrame(std::string_view caption, int left, int top, int width, int height) {
    auto* frame = new QGroupBox(Text(caption), this);
    PlaceTwips(frame, left, top, width, height);
    return frame;
}

void Form4::AddField(QGroupBox* frame, std::string_view name, const Placement& place) {
    const formatting::FieldDescription* field = formatting::FindFieldDescription(name);
    if (!field) return;
    QLabel* label = nullptr;
    if (place.labelWidth > 0 && !field->label.empty()) {
        if (name == "Check4") {
            Label4 = new ClickableLabel(Text(field->label), frame);
            Label4->setObjectName(QStringLiteral("Label4"));
            PlaceTwips(Label4, place.labelLeft, place.top + 30, place.labelWidth, 255);
            Label4->setCursor(Qt::PointingHandCursor);
            label = Label4;
        } else {
            label = AddLabel(frame, field->label, place.labelLeft, place.top + 30, place.labelWidth);
            label->setObjectName(Text(name) + QStringLiteral("Label"));
        }
        label->setToolTip(Text(field->labelToolTip));
    }
    QWidget* control = nullptr;
    if (field->kind == formatting::FieldKind::List) {
        auto* combo = new QComboBox(frame);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
        combos_.emplace(std::string(name), combo);
        control = combo;
    } else {
        auto* check = new QCheckBox(Text(field->caption), frame);
        checks_.emplace(std::string(name), check);
        control = check;
    }
    control->setObjectName(Text(name));
    control->setToolTip(Text(field->toolTip));
    PlaceTwips(control, place.controlLeft, place.top, place.controlWidth, 300);
}

QLabel* Form4::AddLabel(QWidget* parent, std::string_view text, int left, int top, int width) {
    auto* label = new QLabel(Text(text), parent);
    PlaceTwips(label, left, top, width, 255);
    return label;
}

QPushButton* Form4::AddButton(QWidget* parent, const char* name, const char* caption, int left,
                              int top, int width, int height) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    PlaceTwips(button, left, top, width, height);
    return button;
}

}  // namespace dorvane::shell
