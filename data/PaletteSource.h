#pragma once
// Where the references of palette elements lead. An element (a palette entry or a stage cell)
// names a base element by a source (1 the common palette, 2 the open stage's palette) and an
// index into that palette's list of the same kind. The palettes behind the two sources are
// process-wide, like the read version: loads run one at a time.
//
// - The long-lived palettes are the sources: the project's common palette makes itself source 1
//   on first use (ProjectCommonPalette, data/CommonPalette.h); the open stage makes its palette
//   source 2 with SetPaletteSource.
// - A load that builds a palette in a copy puts the copy in place of the source while it runs
//   (cPaletteSourceScope), so its elements resolve against what is being loaded, not against
//   the palette the load may replace.
// - A source without a palette (none set, or masked by a scope with null) resolves nothing: its
//   references are kept as they are and nothing is inherited through them. Only a palette that
//   is there can prove a reference dangling.
struct cPalette;

enum ePaletteSource { eSourceNone = 0, eSourceCommon = 1, eSourceStage = 2 };

void SetPaletteSource(int source, const cPalette* palette);
// Indexed by source; changed through SetPaletteSource alone.
extern const cPalette* g_paletteSources[3];
// The palette of source 1 or 2; null for any other source or when there is none. Inline: each
// of a stage's cells asks for its sources.
inline const cPalette* GetPaletteSource(int source) {
    return source == eSourceCommon || source == eSourceStage ? g_paletteSources[source] : nullptr;
}

// Replaces one source for its lifetime and then restores the one before.
class cPaletteSourceScope {
public:
    cPaletteSourceScope(int source, const cPalette* palette);
    ~cPaletteSourceScope();
    cPaletteSourceScope(const cPaletteSourceScope&) = delete;
    cPaletteSourceScope& operator=(const cPaletteSourceScope&) = delete;

private:
    int m_source;
    const cPalette* m_previous;
};
