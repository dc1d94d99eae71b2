#include "app/windows/plugin_dialog.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

namespace {

QLabel *text(QWidget *parent, const QString &content, const QColor &colour, int pixels)
{
    auto *label = new QLabel(content, parent);
    QFont font(u"宋体"_s);
    font.setPixelSize(pixels);
    label->setFont(font);
    label->setWordWrap(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

} // namespace

PluginDialog::PluginDialog(const ui::SkinPictures &skin, const QUrl &downloadPage, const QUrl &guidePage,
                           QWidget *parent)
    : SkinnedDialog(u"Form65"_s, u"《Velumo》插件安装"_s, skin, parent)
{
    setClientSize(kWidth, kHeight);

    QLabel *notice = text(body(), u"检测到系统缺少插件，插件安装后，重新启动软件即可使用"_s, QColor(242, 232, 212), 16);
    notice->setObjectName(u"Label_tishi"_s);

    QLabel *guide = text(body(), u"<a href=\"%1\" style=\"color:#f0c878;\">插件安装方法（图解）</a>"_s.arg(guidePage.toString()),
                         QColor(240, 200, 120), 14);
    guide->setObjectName(u"Label_tujie"_s);
    guide->setToolTip(u"鼠标点击此链接查看【插件】图解安装的方法"_s);
    guide->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    connect(guide, &QLabel::linkActivated, this, [](const QString &link) { QDesktopServices::openUrl(QUrl(link)); });

    QLabel *warning = text(body(), u"温馨提示：安装插件的时候，一定要先退出软件，安装插件完成后，再重新启动软件即可使用。"_s,
                           QColor(255, 70, 60), 13);
    warning->setObjectName(u"Label_wenxintishi"_s);

    auto *download = new QPushButton(u"下载插件"_s, body());
    download->setObjectName(u"Button_xiazai"_s);
    download->setToolTip(u"鼠标点击此按钮，打开下载插件页面，插件下载后，按提示安装即可。"_s);
    auto *quit = new QPushButton(u"退出软件"_s, body());
    quit->setObjectName(u"Button_tuichu"_s);
    quit->setToolTip(u"插件安装后，需要重新启动此软件"_s);
    for (QPushButton *button : {download, quit}) {
        button->setStyleSheet(ui::skinnedButtonStyle());
        button->setFixedSize(120, 32);
    }
    connect(download, &QPushButton::clicked, this, [this, downloadPage] {
        QDesktopServices::openUrl(downloadPage);
        emit downloadPageOpened();
    });
    connect(quit, &QPushButton::clicked, this, &PluginDialog::quitRequested);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(download);
    buttons->addSpacing(60);
    buttons->addWidget(quit);
    buttons->addStretch(1);

    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(40, 30, 40, 30);
    layout->setSpacing(18);
    layout->addWidget(notice);
    layout->addWidget(guide);
    layout->addStretch(1);
    layout->addWidget(warning);
    layout->addSpacing(10);
    layout->addLayout(buttons);
}

void PluginDialog::showEvent(QShowEvent *event)
{
    setClientSize(kWidth, kHeight);
    centreOnScreen();
    SkinnedDialog::showEvent(event);
}

} // namespace velumo
