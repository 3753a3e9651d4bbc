#include "media/sound_effects.h"

#include "common/error_reporter.h"
#include "common/wave_player.h"
#include "media/sound_table.h"
#include "platform/file_system.h"
#include "state/app_context.h"

namespace kestrane {

SoundEffects::SoundEffects(AppContext& context, WavePlayer* player) : m_context(context), m_player(player) {}

void SoundEffects::play(int index)
{
    AppState& state = m_context.state;
    setErrorCode(m_context, ErrorCode::ER038);
    state.documents.wavePath = soundPath(state.disc.cdRoot, index);
    if (state.documents.wavePath.isEmpty() ||
        m_context.platform.fileSystem->dir(state.documents.wavePath).isEmpty()) {
        report(m_context, ErrorCode::ER038);
        return;
    }
    if (!m_player)
        return;
    WavePlayer& mm = *m_player;
    mm.command(u"close"_qs);
    mm.setDeviceType(u"WaveAudio"_qs);
    mm.setFileName(state.documents.wavePath);
    // A file that is there but is no sound the device can open fails here.
    if (!mm.command(u"open"_qs) || !mm.command(u"play"_qs))
        reportTrapped(m_context, ErrorCode::ER038);
}

void SoundEffects::stop()
{
    if (!m_player)
        return;
    m_player->command(u"close"_qs);
    // Sent to the closed device, as the board always did: it changes nothing.
    m_player->command(u"play"_qs);
}

} // namespace kestrane
