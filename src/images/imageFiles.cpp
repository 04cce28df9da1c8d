#include "images/imageFiles.h"

#include <QByteArray>

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "images/bmpCodec.h"
#include "images/builtInImages.h"
#include "images/compressionLevel.h"
#include "images/gifCodec.h"
#include "images/jpegCodec.h"
#include "images/lgfChunks.h"
#include "images/lgfIcon.h"
#include "images/lgfImages.h"
#include "images/lgwReader.h"
#include "language/StreamKeys.h"
#include "language/tExe2MemStream.h"
#include "language/tFileStream.h"
#include "language/tMemoryStream.h"
#include "mainobj/system/tFilePaths.h"
#include "mainobj/tClipboard.h"
#include "values/eLogoException.h"
#include "values/tLogoList.h"

namespace {

std::string upper(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), [](unsigned char c) { return std::toupper(c); });
    return result;
}

bool isOneOf(const std::string& extension, std::initializer_list<const char*> extensions)
{
    return std::any_of(extensions.begin(), extensions.end(), [&](const char* e) { return extension == e; });
}

bool isBitmapExtension(const std::string& extension) { return isOneOf(extension, {".BMP", ".JPG", ".JPE", ".JPEG"}); }

// The name with its extension, the default one added when it has none or a bare ".".
std::string completedName(const tImageName& parts, const char* defaultExtension)
{
    if (parts.extension.empty() || parts.extension == ".") return parts.base + defaultExtension;
    return parts.base + parts.written;
}

std::string effectiveExtension(const tImageName& parts, const char* defaultExtension)
{
    return parts.extension.empty() || parts.extension == "." ? std::string(defaultExtension) : parts.extension;
}

std::vector<uint8_t> fileBytes(const std::string& path, std::string_view name)
{
    std::string content;
    if (!readWholeFile(path, content)) throw eLogoException(erFileProblem, name);
    return {content.begin(), content.end()};
}

// A file embedded in a saved program, stored with the project key; false when there is none.
bool embeddedBytes(const std::string& name, std::vector<uint8_t>& bytes)
{
    try {
        tcodedExe2MemStream stream(name, kProjectKey);
        bytes.resize(static_cast<size_t>(stream.Size()));
        stream.Seek(0, tSeekOrigin::begin);
        stream.ReadExact(bytes.data(), static_cast<int64_t>(bytes.size()));
        return true;
    } catch (const eStreamError&) {
        return false;
    }
}

tLogoImage* imageFromBytes(std::vector<uint8_t> bytes, const std::string& extension, int32_t index)
{
    if (extension == ".BMP") return imageOfBitmap(readBmp(bytes));
    if (isOneOf(extension, {".JPG", ".JPE", ".JPEG"})) return imageOfBitmap(readJpeg(bytes));
    if (extension == ".GIF") return readGif(bytes);
    if (isOneOf(extension, {".ICO", ".PNG"})) {
        const QImage picture = QImage::fromData(bytes.data(), static_cast<int>(bytes.size()), extension.c_str() + 1);
        if (picture.isNull()) throw eStreamError("not a picture");
        return imageOfBitmap(picture.convertToFormat(QImage::Format_RGB32));
    }
    // Metafiles need a renderer this platform does not have.
    if (isOneOf(extension, {".WMF", ".EMF"})) throw eLogoException(erImageFile, std::string_view(extension));
    tMemoryStream stream(std::move(bytes));
    tLogoRef<tLogoImage> image(new tLogoImage);
    if (extension == ".LGW")
        readLgwImage(*image, stream, false);
    else
        readImageFile(*image, stream, false, index);
    // Handed out uncounted, as fresh values are.
    tLogoImage* loaded = image.release();
    Unhold(loaded);
    return loaded;
}

std::vector<uint8_t> bytesOf(const std::string& held) { return {held.begin(), held.end()}; }

// The clipboard's image in the program's own image format; erClipboard when it holds none.
std::vector<uint8_t> clipboardImageFile()
{
    const std::string held = clipboard().Data(tClipboard::kImageFile);
    if (held.empty()) throw eLogoException(erClipboard);
    return bytesOf(held);
}

// The clipboard's image as an image file's bytes and extension: the program's own image file
// first, else a bitmap; erClipboard when it holds neither.
std::string clipboardImage(std::vector<uint8_t>& bytes)
{
    if (const std::string file = clipboard().Data(tClipboard::kImageFile); !file.empty()) {
        bytes = bytesOf(file);
        return ".LGF";
    }
    const std::string bitmap = clipboard().Data(tClipboard::kImage);
    if (bitmap.empty()) throw eLogoException(erClipboard);
    bytes = bytesOf(bitmap);
    return ".BMP";
}

// The first picture as a bitmap for other programs, and the whole image in the program's own
// format beside it.
void copyToClipboard(tlogoobject* what)
{
    auto* image = static_cast<tLogoImage*>(what);
    const tLogoPicture* picture = image->FirstPicture();
    if (!picture || !picture->HasImage()) throw eLogoException(erEmptyImage, what);
    tMemoryStream file;
    appendImageChunk(*image, file, projectCompressionLevel());
    const std::vector<uint8_t> bitmap = writeBmp(picture->colour);
    clipboard().Set({{tClipboard::kImage, std::string(bitmap.begin(), bitmap.end())},
                     {tClipboard::kImageFile, std::string(file.Bytes().begin(), file.Bytes().end())}});
}

std::vector<uint8_t> bytesOfNamedFile(const tImageName& parts, const std::string& name, const std::string& extension,
                                      std::string_view given)
{
    std::vector<uint8_t> bytes;
    if (!name.empty() && name[0] == '*') {
        if (!embeddedBytes(name.substr(1), bytes)) throw eLogoException(erImageFile, std::string_view(extension));
        return bytes;
    }
    if (namesClipboard(parts.base)) return clipboardImageFile();
    return fileBytes(resolveFileName(name, fkImage, {.search = true, .keepName = true}), given);
}

void writeFile(const std::string& path, const std::vector<uint8_t>& bytes, std::string_view name)
{
    try {
        tFileStream file(path, tFileStream::create);
        file.WriteExact(bytes.data(), static_cast<int64_t>(bytes.size()));
    } catch (const eStreamError&) {
        throw eLogoException(erFileCreate, name);
    }
}

std::vector<tLogoImage*> imagesToAppend(tlogoobject* what)
{
    std::vector<tLogoImage*> images;
    if (what->IsList()) {
        for (auto* cell = static_cast<tLogoList*>(what); cell && cell->first; cell = cell->rest) {
            if (!cell->first->IsImage()) throw eLogoException(erExpectImage, cell->first);
            images.push_back(static_cast<tLogoImage*>(cell->first));
        }
    } else {
        images.push_back(static_cast<tLogoImage*>(what));
    }
    return images;
}

void appendToLgf(const std::string& path, const std::vector<tLogoImage*>& images, bool truncate, std::string_view name)
{
    const int level = projectCompressionLevel();
    try {
        const bool exists = std::filesystem::exists(path);
        tFileStream file(path, truncate || !exists ? tFileStream::create : tFileStream::openReadWrite);
        for (tLogoImage* image : images) {
            file.Seek(0, tSeekOrigin::end);
            appendImageChunk(*image, file, level);
        }
    } catch (const eStreamError&) {
        throw eLogoException(erFileCreate, name);
    }
}

// The images go after those of the clipboard's own image file when it holds one, else into a
// new one; other programs see the file's first picture.
void appendToClipboard(const std::vector<tLogoImage*>& images)
{
    const std::string held = clipboard().Data(tClipboard::kImageFile);
    std::string bitmap = held.empty() ? std::string() : clipboard().Data(tClipboard::kImage);
    tMemoryStream file(bytesOf(held));
    try {
        for (tLogoImage* image : images) {
            file.Seek(0, tSeekOrigin::end);
            appendImageChunk(*image, file, projectCompressionLevel());
        }
    } catch (const eStreamError&) {
        throw eLogoException(erClipboard);
    }
    for (tLogoImage* image : images) {
        const tLogoPicture* picture = image->FirstPicture();
        if (!bitmap.empty() || !picture || !picture->HasImage()) continue;
        const std::vector<uint8_t> bmp = writeBmp(picture->colour);
        bitmap.assign(bmp.begin(), bmp.end());
    }
    clipboard().Set({{tClipboard::kImage, bitmap},
                     {tClipboard::kImageFile, std::string(file.Bytes().begin(), file.Bytes().end())}});
}

}  // namespace

tImageName splitImageName(std::string_view name, bool withIndex)
{
    tImageName parts;
    const size_t slash = name.find_last_of('/');
    const size_t dot = name.rfind('.');
    std::string_view base = name;
    if (dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash)) {
        parts.written = name.substr(dot);
        parts.extension = upper(parts.written);
        base = name.substr(0, dot);
    }
    const size_t colon = base.rfind(':');
    if (withIndex && colon != std::string_view::npos && colon + 1 < base.size() && colon + 10 > base.size() &&
        std::all_of(base.begin() + colon + 1, base.end(), [](unsigned char c) { return std::isdigit(c); })) {
        parts.index = std::stoi(std::string(base.substr(colon + 1)));
        base = base.substr(0, colon);
    }
    parts.base = base;
    return parts;
}

tLogoImage* loadImageNamed(std::string_view name, const char* defaultExtension)
{
    const tImageName parts = splitImageName(name);
    std::string extension = effectiveExtension(parts, defaultExtension);
    const std::string fullName = completedName(parts, defaultExtension);
    std::vector<uint8_t> bytes;
    if (namesClipboard(parts.base)) extension = clipboardImage(bytes);
    // "*name": a file embedded in a saved program first, else an image the program carries.
    if (fullName[0] == '*' && !embeddedBytes(fullName.substr(1), bytes)) {
        if (tLogoImage* image = builtInImage(parts.base.substr(1), extension)) return image;
        throw eLogoException(erImageFile, std::string_view(extension));
    }
    if (fullName[0] != '*' && bytes.empty()) bytes = bytesOfNamedFile(parts, fullName, extension, name);
    try {
        return imageFromBytes(std::move(bytes), extension, parts.index);
    } catch (const eStreamError&) {
        throw eLogoException(erImageFile, std::string_view(extension));
    }
}

std::vector<tLogoRef<tLogoImage>> loadImageListNamed(std::string_view name)
{
    const tImageName parts = splitImageName(name);
    const std::string fullName = completedName(parts, ".LGF");
    std::vector<uint8_t> bytes;
    // An image the program carries is one image file of one image, as "loadimage" reads it.
    if (fullName[0] == '*' && !embeddedBytes(fullName.substr(1), bytes))
        if (tLogoImage* image = builtInImage(parts.base.substr(1), effectiveExtension(parts, ".LGF")))
            return {tLogoRef<tLogoImage>(image)};
    tMemoryStream stream(bytes.empty() ? bytesOfNamedFile(parts, fullName, ".LGF", name) : std::move(bytes));
    try {
        std::vector<tLogoRef<tLogoImage>> images = readImageList(stream, chunkCount(stream, lpImageFile));
        std::reverse(images.begin(), images.end());
        return images;
    } catch (const eStreamError&) {
        throw eLogoException(erImageFile, std::string_view(".LGF"));
    }
}

tLogoImage* loadIconNamed(std::string_view name)
{
    const tImageName parts = splitImageName(name);
    tMemoryStream stream(bytesOfNamedFile(parts, completedName(parts, ".LGF"), ".LGF", name));
    try {
        const QImage icon = readIconChunk(stream);
        return icon.isNull() ? nullptr : imageOfBitmap(icon);
    } catch (const eStreamError&) {
        throw eLogoException(erImageFile, std::string_view(".LGF"));
    }
}

void saveImageNamed(std::string_view name, tlogoobject* what, tSaveMode mode)
{
    const bool appending = mode == tSaveMode::append;
    if (!what->IsImage() && !(appending && what->IsList())) throw eLogoException(erExpectImage, what);
    const tImageName parts = splitImageName(name, false);
    if (namesClipboard(parts.base)) {
        if (appending)
            appendToClipboard(imagesToAppend(what));
        else
            copyToClipboard(what);
        return;
    }
    const char* defaultExtension = mode == tSaveMode::saveBitmap ? ".BMP" : ".LGF";
    std::string extension = effectiveExtension(parts, defaultExtension);
    std::string fullName = completedName(parts, defaultExtension);

    if (!appending && (isBitmapExtension(extension) || extension == ".GIF")) {
        auto* image = static_cast<tLogoImage*>(what);
        const tLogoPicture* picture = image->FirstPicture();
        if (!picture || !picture->HasImage()) throw eLogoException(erEmptyImage, what);
        const std::string path = resolveFileName(fullName, fkImage, {.keepName = true});
        if (extension == ".GIF")
            writeFile(path, writeGif(image->frames.front()->pictures, image->loop), name);
        else
            writeFile(path, extension == ".BMP" ? writeBmp(picture->colour) : writeJpeg(picture->colour), name);
        return;
    }
    if (extension != ".LGF") {
        if (!appending) throw eLogoException(erFileName, name);
        fullName = std::string(name) + ".LGF";
    }
    appendToLgf(resolveFileName(fullName, fkImage, {.keepName = true}), imagesToAppend(what), !appending, name);
}
