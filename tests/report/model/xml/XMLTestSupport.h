#pragma once

#include "report/model/xml/TfrxXMLDocument.h"

#include <QBuffer>
#include <QByteArray>

inline const QByteArray kDeclaration("<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"no\"?>");

inline void loadBytes(TfrxXMLDocument& document, const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    document.LoadFromStream(buffer);
}

inline void loadBytesPartially(TfrxXMLDocument& document, const QByteArray& bytes)
{
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    document.LoadFromStream(std::move(buffer), true);
}

inline QByteArray saveBytes(TfrxXMLDocument& document)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    document.SaveToStream(buffer);
    return bytes;
}
