#include "players/template_player.h"

#include "app/base/failure.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo {

TemplatePlayerFactory defaultTemplatePlayerFactory()
{
    // No template player is built into this version yet.
    return [](const QString &) -> std::unique_ptr<TemplatePlayer> {
        throw Failure(u"本软件的模板播放组件不可用"_s);
    };
}

bool probeTemplatePlayer(const TemplatePlayerFactory &factory, const QString &moviePath)
{
    try {
        std::unique_ptr<TemplatePlayer> player = factory(u"ShockwaveFlash_34"_s);
        if (!player)
            return false;
        player->setMovie(moviePath);
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

} // namespace velumo
