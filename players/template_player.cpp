#include "players/template_player.h"

#include "players/swf_template_player.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo {

TemplatePlayerFactory defaultTemplatePlayerFactory()
{
    return [](const TemplatePlayerSetup &setup) -> std::unique_ptr<TemplatePlayer> {
        return std::make_unique<SwfTemplatePlayer>(setup.rootFolder);
    };
}

bool probeTemplatePlayer(const TemplatePlayerFactory &factory, const QString &rootFolder, const QString &moviePath)
{
    try {
        std::unique_ptr<TemplatePlayer> player = factory({u"ShockwaveFlash_34"_s, rootFolder});
        if (!player)
            return false;
        player->setMovie(moviePath);
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

} // namespace velumo
