#pragma once

#include <QIcon>

// The pictures of the preview window's toolbar buttons, which its context menu shows as well.
enum class PreviewImage {
    Print,
    Open,
    Save,
    Find,
    ZoomIn,
    ZoomOut,
    FullScreen,
    Outline,
    Thumbnails,
    PageSettings,
    Edit,
    First,
    Prior,
    Next,
    Last,
    Close,
};

QIcon previewButtonImage(PreviewImage image);
