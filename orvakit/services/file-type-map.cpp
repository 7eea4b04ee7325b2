#include "services/file-type-map.h"

#include <QStringList>

bool CaseLessCompare::operator()(const QString &left, const QString &right) const
{
    return QString::compare(left, right, Qt::CaseInsensitive) < 0;
}

FileTypeMap &FileTypeMap::getInstance()
{
    static FileTypeMap instance;
    return instance;
}

FileTypeMap::FileTypeMap()
{
    // Order matters: an extension listed twice keeps the later type ("ac3" is video).
    mappingFile("acc", "acc ade adp adn accdr accdb accdt mdb mda mdn mdt mdw mdf mde accde mam maq mar mat maf");
    mappingFile("ai", "ai");
    mappingFile("audio", "mp3 aac flac m4a m4b aif ogg pcm wav cda mid mp2 mka mpc ape ra ac3 dts wma");
    mappingFile("bkpi", "bkpi");
    mappingFile("doc", "doc docx wri rtf");
    mappingFile("exe", "exe");
    mappingFile("fla", "fla");
    mappingFile("htm", "htm html");
    mappingFile("idn", "idn");
    mappingFile("image", "bmp ico tif tiff ufo raw arw srf sr2 dcr k25 kdc cr2 crw nef mrw ptx pef raf 3fr erf mef "
                         "mos orf rw2 dng x3f jpg jpe jpeg png gif");
    mappingFile("iso", "iso bin img mds nrg daa");
    mappingFile("code", "js css actproj ad akp applescript as asax asc ascx asm asmx asp aspx asr c cc php jsx xml "
                        "xhtml mhtml cpp cs cxx");
    mappingFile("pdf", "pdf");
    mappingFile("ppt", "ppt pptx pps ppsx");
    mappingFile("psd", "psd");
    mappingFile("swf", "swf flv f4v");
    mappingFile("ttf", "ttf ttc otf");
    mappingFile("txt", "txt");
    mappingFile("video", "avi 3gp 3g2 asf dat divx dvr-ms m2t m2ts m4v mkv mp4 mts mov qt tp trp ts vob wmv xvid ac3 "
                         "amr rm rmvb ifo mpeg mpg mpe m1v m2v mpeg1 mpeg2 mpeg4 ogv webm");
    mappingFile("xls", "xls xla xlb xlc xld xlk xll xlm xlt xlv xlw xlsx xlsm xlsb xltm xlam");
    mappingFile("zip", "zip tar 7z bz2 gz zip tgz tbz rar");
}

void FileTypeMap::mappingFile(const QString &type, const QString &extensions)
{
    for (const QString &extension : extensions.split(QLatin1Char(' ')))
        m_types[extension] = type;
}

QString FileTypeMap::getFiletypeMapping(const QString &extension, bool removed) const
{
    const auto found = m_types.find(extension);
    const QString type = found == m_types.end() ? QStringLiteral("xxx") : found->second;
    return type + (removed ? QStringLiteral("_removed.png") : QStringLiteral(".png"));
}
