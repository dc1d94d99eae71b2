#include "ui/reported_command.h"

#include "app/base/failure.h"
#include "ui/message_box.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo::ui {

bool runReported(MessageBox &box, const std::function<void()> &command)
{
    try {
        command();
        return true;
    } catch (const Failure &failure) {
        box.showMessage(failure.message());
    } catch (const std::bad_alloc &) {
        box.showMessage(u"内存不足，操作已停止。"_s);
    } catch (const std::exception &error) {
        box.showMessage(u"操作失败：%1"_s.arg(QString::fromLocal8Bit(error.what())));
    }
    return false;
}

} // namespace velumo::ui
