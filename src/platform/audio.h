#pragma once
// Sound output: short samples mixed over each other and over one stream of music.
// Everything is safe to call when the device is not open: requests then fail quietly.
// Closing the device frees every sample and music still loaded; their handles stay valid but
// silent (also after the device opens again) until they are freed, which is then safe in any
// order, also from destructors at process end.

#include <cstdint>
#include <string>

struct PlatformSample;

// Opens the audio device and the mixer with enough channels for overlapping samples.
// Returns 0 on success, 1 when the audio subsystem cannot start, 2 when the device cannot open.
// A failure is final until PlatformAudioClose: later opens (also a rested device's wake) answer
// with the same code at once, without trying again. In a browser only the page's own thread may
// open it.
int PlatformAudioOpen();
// Closes the device, frees everything loaded and forgets a failed open.
void PlatformAudioClose();
bool PlatformAudioIsOpen();
// Lets the device rest (closed, costing nothing) once nothing has sounded for `silentMs` and no
// music is loaded; the samples stay loaded, and the next play or load opens the device again
// (which costs no more than opening it). Call it now and then while no music is wanted.
void PlatformAudioRestIfSilent(uint32_t silentMs);
// How many times a sample file was decoded since the program started (tests, diagnostics).
int PlatformSampleDecodes();
// Why the last PlatformAudioOpen failed, as the audio system put it (empty when it never failed).
std::string PlatformAudioFailure();

// Loudness of all samples and of the music, 0 (silent) to 128 (full); kept while the device is
// closed and applied whenever it opens.
void PlatformSampleVolume(int volume);
void PlatformMusicVolume(int volume);

// Loads a WAV file (a path for this system). Null when missing or undecodable.
PlatformSample* PlatformSampleLoad(const char* path);
void PlatformSampleFree(PlatformSample* sample);

// Starts one more instance of the sample on a free channel. 0, or -1 when no channel would take it.
int PlatformSamplePlay(PlatformSample* sample);

// Silences every channel that is sounding the sample. Always 0.
int PlatformSampleStop(PlatformSample* sample);

// How many channels are sounding the sample right now.
int PlatformSampleInstances(PlatformSample* sample);

// Music: one stream at a time, played once from the start.
struct PlatformMusic;

// Loads a music file (MP3, OGG, WAV; a path for this system). Null when missing or undecodable.
PlatformMusic* PlatformMusicLoad(const char* path);
// Halts the music if it is this one, then frees it.
void PlatformMusicFree(PlatformMusic* music);
// Starts it from the beginning, replacing whatever played. 0, or -1 when the mixer refused.
int PlatformMusicStart(PlatformMusic* music);
// True while music is playing or paused; false once it has played to its end or was halted.
bool PlatformMusicActive();
void PlatformMusicPause();
void PlatformMusicResume();
bool PlatformMusicPaused();
void PlatformMusicHalt();
// Seconds into the current music, for tests that check a resume goes on in place.
double PlatformMusicPosition(PlatformMusic* music);
