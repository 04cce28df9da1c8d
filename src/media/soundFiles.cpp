#include "media/soundFiles.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "mainobj/system/tFilePaths.h"
#include "media/waveDecoding.h"
#include "values/eLogoException.h"

std::shared_ptr<const tPcmSound> loadSoundFile(std::string_view name, errorConst missing)
{
    const std::string path = resolveFileName(name, fkSound, tResolveFlags{.search = true});
    std::error_code failure;
    if (name.empty() || !std::filesystem::is_regular_file(path, failure)) throw eLogoException(missing, name);
    std::ifstream file(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    std::optional<tPcmSound> sound = decodeWave(bytes);
    if (!file.good() && !file.eof()) sound.reset();
    if (!sound) throw eLogoException(erMCIFileProblem, name);
    return std::make_shared<const tPcmSound>(std::move(*sound));
}
