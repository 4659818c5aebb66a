/* The Ogg Vorbis decoder behind the voices: stb_vorbis, compiled once here. */
#include <stb/stb_vorbis.h>
