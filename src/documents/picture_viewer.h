#pragma once

#include <QString>

namespace kestrane {

// The large-image viewer (frmScroll) as the advertisement and brochure buttons use it. The viewer
// belongs to the illustrated series, a layer above the documents; the application hands it in.
class PictureViewer
{
public:
    virtual ~PictureViewer() = default;

    // Unloads the viewer when it is loaded, so that the next picture starts from its design state.
    virtual void unload() = 0;
    // Reads the picture at a disc-form path; when it can be decoded, shows it in a viewer that
    // fills the screen under `caption`, modeless, and returns true. A missing or unreadable
    // picture shows nothing and returns false: the caller says so in its own words.
    virtual bool showPicture(const QString& discPath, const QString& caption) = 0;
};

} // namespace kestrane
