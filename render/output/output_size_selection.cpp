#include "render/output/output_size_selection.h"

#include "app/project/dialog_states.h"
#include "render/output/output_kind.h"

namespace velumo {

OutputSizeSelection::OutputSizeSelection(OutputKind kind)
    : m_kind(kind)
{
}

OutputSize OutputSizeSelection::size() const
{
    return outputSizes(m_kind).at(std::size_t(m_sizeIndex));
}

void OutputSizeSelection::chooseSize(int index)
{
    if (index < 0 || index >= int(outputSizes(m_kind).size()))
        return;
    m_sizeIndex = index;
    m_formatIndex = 0;
}

void OutputSizeSelection::chooseFormat(int index)
{
    if (offersPictureFormats() && index >= 0 && index < pictureFormats().size())
        m_formatIndex = index;
}

void OutputSizeSelection::restoreDefault()
{
    m_sizeIndex = kDefaultSizeIndex;
    m_formatIndex = 0;
}

QString OutputSizeSelection::shownSize() const
{
    return sizeChoiceText(size());
}

QString OutputSizeSelection::shownKind() const
{
    return offersPictureFormats() ? pictureFormat() : outputKindToken(m_kind);
}

QString OutputSizeSelection::pictureFormat() const
{
    return offersPictureFormats() ? pictureFormats().at(m_formatIndex) : QString();
}

void OutputSizeSelection::writeTo(Form39State &state) const
{
    state.Edit_chicun_width.setText(QString::number(size().width));
    state.Edit_chicun_height.setText(QString::number(size().height));
}

} // namespace velumo
