#pragma once

// The main window of the Word table tool: every formatting option, the
// buttons of the operations, a second half of functions revealed by
// widening the window, the tool's Word instance and its two timers.

#include <QWidget>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "formatting/FormatSettings.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

namespace dorvane::word { class Application; }
namespace dorvane::formatting {
struct FieldDescription;
struct LinePick;
}  // namespace dorvane::formatting

namespace dorvane::shell {

class ClickableLabel;
class LinePreviewBox;

class Form4 : public QWidget {
    Q_OBJECT
public:
    // Geometry in twips.
    static constexpr int kNarrowWidth = 6408;
    static constexpr int kWideWidth = 12060;
    static constexpr int kClientHeight = 6165;
    // Timer intervals in milliseconds.
    static constexpr int kWatchInterval = 3500;
    static constexpr int kVisibilityInterval = 100;

    explicit Form4(QWidget* parent = nullptr);
    ~Form4() override;

    // Loading, last step: the line fields, then every list and switch in
    // the order the option record fixes.
    void InitialiseSettings();
    // Starts both timers; they run until the program ends.
    void StartTimers(int watchInterval = kWatchInterval,
                     int visibilityInterval = kVisibilityInterval);
    void StopTimers();

    // The window width in twips, and the toggle of "更多功能 >>".
    int WidthTwips() const { return widthTwips_; }
    void SetWidthTwips(int twips);
    void ToggleWidth();

    // The watch timer's tick: shows the window once Word holds a document;
    // signals wordLost when Word cannot be read.
    void WatchWord();
    // The visibility timer's tick: Combo13 and Combo6 show exactly while
    // Combo7 reads "指定宽度".
    void ApplyVisibilityRule();

    // The options as they stand in the controls and the line fields.
    formatting::FormatSettings Settings() const;
    // Puts options back into the controls, the line fields and the preview
    // boxes (loading a scheme).
    void ApplySettings(const formatting::FormatSettings& settings);
    // A pick of the line chooser: the group's preview box and line fields.
    void ApplyLinePick(const formatting::LinePick& pick);

    QComboBox* Combo(std::string_view name) const;
    QCheckBox* Check(std::string_view name) const;
    LinePreviewBox* PreviewBox(int group) const;

    // The tool's Word instance, held from loading to the end of the program.
    std::shared_ptr<word::Application> WordApp;
    bool DocumentSeen = false;

    QPushButton* Command1 = nullptr;   // "开   始": the table run
    QPushButton* Command2 = nullptr;   // "更多功能 >>"
    QPushButton* Command3 = nullptr;   // embedded workbooks
    QPushButton* Command5 = nullptr;   // "1": to the single-table window
    QPushButton* Command8 = nullptr;   // hidden: Word's file-open dialog
    QPushButton* Command9 = nullptr;   // empty rows
    QPushButton* Command10 = nullptr;  // text outside tables
    QPushButton* Command11 = nullptr;  // external links
    QPushButton* Command12 = nullptr;  // save the scheme
    QPushButton* Command13 = nullptr;  // load the scheme
    QPushButton* Command14 = nullptr;  // section breaks
    QRadioButton* Option1 = nullptr;   // " 处理成word表格，删除原表"
    ClickableLabel* Label1 = nullptr;  // "上下边框"
    ClickableLabel* Label2 = nullptr;  // "左右边框"
    ClickableLabel* Label3 = nullptr;  // "内横竖线"
    ClickableLabel* Label4 = nullptr;  // "数字加千分位符号"
    LinePreviewBox* Picture21 = nullptr;
    LinePreviewBox* Picture22 = nullptr;
    LinePreviewBox* Picture23 = nullptr;
    QTimer* Timer1 = nullptr;  // watch timer
    QTimer* Timer2 = nullptr;  // visibility timer

signals:
    void closeRequested();
    void wordLost();
    // A double-click on a line label or a click on a preview box.
    void lineChooserRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Where a field stands in its frame, in twips. A label width of 0
    // means no label.
    struct Placement {
        int labelLeft, top, labelWidth, controlLeft, controlWidth;
    };

    void BuildLeftHalf();
    void BuildRightHalf();
    void BuildHiddenControls();
    QGroupBox* AddFrame(std::string_view caption, int left, int top, int width, int height);
    void AddField(QGroupBox* frame, std::string_view name, const Placement& place);
    QLabel* AddLabel(QWidget* parent, std::string_view text, int left, int top, int width);
    QPushButton* AddButton(QWidget* parent, const char* name, const char* caption, int left,
                           int top, int width, int height);
    void AddLineGroupRow(QGroupBox* frame, int group, int top);
    void InitialiseField(const formatting::FieldDescription& field);
    void SetFieldText(std::string_view name, const std::string& value);

    std::map<std::string, QComboBox*, std::less<>> combos_;
    std::map<std::string, QCheckBox*, std::less<>> checks_;
    // The six line fields and the pictures of the three preview boxes.
    formatting::FormatSettings lines_;
    int widthTwips_ = kNarrowWidth;
};

}  // namespace dorvane::shell
