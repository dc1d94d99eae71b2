#include "tools/template_author/library.h"

#include "tools/template_author/library_parts.h"
#include "tools/template_author/pieces.h"
#include "tools/template_author/shapes.h"

#include <QString>

namespace velumo::author {

const std::vector<TemplateDesign> &templateLibrary()
{
    static const std::vector<TemplateDesign> library = [] {
        std::vector<TemplateDesign> all;
        for (auto part : {parts::landscapeSingles, parts::portraitSingles, parts::eitherSingles, parts::landscapeGroups,
                          parts::portraitGroups, parts::mixedGroups}) {
            for (TemplateDesign &design : part())
                all.push_back(std::move(design));
        }
        for (std::size_t i = 0; i < all.size(); ++i) {
            all[i].file = QString::asprintf("mb_%03d", int(i + 1)).toStdString();
        }
        return all;
    }();
    return library;
}

const TemplateDesign &closingTemplate()
{
    static const TemplateDesign closing = [] {
        TemplateDesign design = parts::closing();
        design.file = "wj_1";
        return design;
    }();
    return closing;
}

swf::writer::Bytes probeMovie()
{
    // A dark stage with one soft disc and the marker, loading nothing: enough for a player to
    // prove that it opens a movie.
    namespace sw = swf::writer;
    sw::MovieWriter movie;
    movie.setVersion(8);
    movie.setStageSize(kStageWidth, kStageHeight);
    movie.setFrameRate(kFramesPerSecond);
    movie.setBackground(rgba(QColor(16, 16, 24)));
    movie.place(1, movie.defineShape(shapes::ellipse(QRectF(860, 440, 200, 200), QColor(200, 170, 90))));
    sw::ActionAssembler script;
    script.setVariable(kMarkerVariable, kMarkerValue).stop();
    movie.doAction(script);
    movie.showFrame();
    return movie.finish(sw::Compression::Zlib);
}

} // namespace velumo::author
