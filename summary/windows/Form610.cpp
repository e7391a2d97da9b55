#include "summary/windows/Form610.h"

#include <QLabel>

#include "shell/Twips.h"

namespace dorvane::shell {
namespace {

const char* const kNotes =
    "<p style='font-size:16pt; font-weight:bold'>有关说明</p>"
    "<p style='line-height:140%'>1、汇总结果文件和存放被汇总文件的文件夹必须在同一个目录下（如汇总结果文件在桌面上，"
    "“自动汇总”文件夹也必须在桌面上），因为本工具是根据汇总结果文件的位置来查找该文件夹的。</p>"
    "<p style='line-height:140%'>2、工具条可以多次使用，也可以只对区域的一部分进行汇总，例如部分被汇总文件修改后，"
    "重新汇总。</p>"
    "<p style='line-height:140%'>3、在汇总结果文件中选中的区域位于第n个工作表时，数据取自文件夹内每个工作簿的第n个"
    "工作表中相同的行和列。</p>"
    "<p style='line-height:140%'>4、汇总结果是数值，不含公式和链接，不会随被汇总文件自动更新；不是数字的单元格会被"
    "提示出来。</p>";

}  // namespace

Form610::Form610(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form610"));
    setWindowTitle(QStringLiteral("Form610"));
    FixClientSizeTwips(this, 12600, 5325);

    Image1 = new QLabel(QString::fromUtf8(kNotes), this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setTextFormat(Qt::RichText);
    Image1->setWordWrap(true);
    QFont font = Image1->font();
    font.setPointSize(11);
    Image1->setFont(font);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PlaceTwips(Image1, 480, 240, 11640, 4845);
}

}  // namespace dorvane::shell
