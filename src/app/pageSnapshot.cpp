#include "app/pageSnapshot.h"

#include <QImage>
#include <QString>

#include "turtle/tgrScreen.h"
#include "turtle/tlogopage.h"

bool writePageSnapshot(tlogopage& page, const std::string& path)
{
    return page.Screen().Composed().save(QString::fromLocal8Bit(path.c_str()), "PNG");
}
