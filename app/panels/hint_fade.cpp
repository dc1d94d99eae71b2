#include "app/panels/hint_fade.h"

namespace velumo {

void HintFade::requestShow()
{
    m_visible = false;
    m_justShown = false;
    m_counter = 0;
    m_interval = kDelayMs;
    m_running = Running::FadeIn;
}

void HintFade::fadeInTick()
{
    if (m_running != Running::FadeIn)
        return;
    m_justShown = !m_visible;
    m_visible = true;
    m_interval = kTickMs;
    m_counter += kStep;
    if (m_counter > kOpaque - 1) {
        m_counter = kOpaque;
        m_running = Running::FadeOut;
        m_interval = kHoldMs;
    }
}

void HintFade::fadeOutTick()
{
    if (m_running != Running::FadeOut)
        return;
    m_justShown = false;
    m_interval = kTickMs;
    m_counter -= kStep;
    if (m_counter < 0) {
        m_counter = 0;
        m_running = Running::None;
        m_visible = false;
    }
}

void HintFade::fadeAway()
{
    m_justShown = false;
    if (!m_visible) {
        m_running = Running::None;
        m_counter = 0;
        return;
    }
    m_interval = kTickMs;
    m_running = Running::FadeOut;
}

void HintFade::closeNow()
{
    m_justShown = false;
    m_running = Running::None;
    m_counter = kOpaque;
    m_visible = false;
}

} // namespace velumo
