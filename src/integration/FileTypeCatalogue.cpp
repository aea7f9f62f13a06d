// The 61 file type groups in the order the association page shows them and
// the association pass registers them. The first 47 are image formats.
#include "integration/FileTypeCatalogue.h"

namespace {

const ExtensionPair kExt0[] = {{L"ani", L"ani"}};
const ExtensionPair kExt1[] = {{L"b3d", L"b3d"}};
const ExtensionPair kExt2[] = {{L"bmp", L"bmp"}, {L"dib", L"bmp"}};
const ExtensionPair kExt3[] = {{L"clp", L"clp"}};
const ExtensionPair kExt4[] = {{L"crw", L"crw"}, {L"cr2", L"cr2"}, {L"cr3", L"cr3"}};
const ExtensionPair kExt5[] = {{L"cur", L"cur"}};
const ExtensionPair kExt6[] = {{L"dcm", L"dcm"}, {L"acr", L"dcm"}, {L"ima", L"dcm"}};
const ExtensionPair kExt7[] = {{L"dcx", L"dcx"}};
const ExtensionPair kExt8[] = {{L"dds", L"dds"}};
const ExtensionPair kExt9[] = {{L"djvu", L"djvu"}, {L"iw44", L"djvu"}};
const ExtensionPair kExt10[] = {{L"dxf", L"dxf"}};
const ExtensionPair kExt11[] = {{L"ecw", L"ecw"}};
const ExtensionPair kExt12[] = {{L"emf", L"emf"}};
const ExtensionPair kExt13[] = {{L"eps", L"eps"}, {L"ps", L"eps"}};
const ExtensionPair kExt14[] = {{L"exr", L"exr"}};
const ExtensionPair kExt15[] = {{L"g3", L"g3"}};
const ExtensionPair kExt16[] = {{L"gif", L"gif"}};
const ExtensionPair kExt17[] = {{L"hdp", L"hdp"}, {L"jxr", L"hdp"}, {L"wdp", L"hdp"}};
const ExtensionPair kExt18[] = {{L"heic", L"heic"}};
const ExtensionPair kExt19[] = {{L"ico", L"ico"}};
const ExtensionPair kExt20[] = {{L"iff", L"iff"}, {L"lbm", L"iff"}};
const ExtensionPair kExt21[] = {{L"jls", L"jls"}};
const ExtensionPair kExt22[] = {{L"jp2", L"jp2"}, {L"jpc", L"jp2"}, {L"j2k", L"jp2"}};
const ExtensionPair kExt23[] = {{L"jpg", L"jpg"}, {L"jpeg", L"jpg"}, {L"jpe", L"jpg"}};
const ExtensionPair kExt24[] = {{L"jpm", L"jpm"}};
const ExtensionPair kExt25[] = {{L"mng", L"mng"}, {L"jng", L"jng"}};
const ExtensionPair kExt26[] = {{L"pbm", L"pbm"}};
const ExtensionPair kExt27[] = {{L"pcd", L"pcd"}};
const ExtensionPair kExt28[] = {{L"pcx", L"pcx"}};
const ExtensionPair kExt29[] = {{L"pgm", L"pgm"}};
const ExtensionPair kExt30[] = {{L"png", L"png"}};
const ExtensionPair kExt31[] = {{L"ppm", L"ppm"}};
const ExtensionPair kExt32[] = {{L"psd", L"psd"}};
const ExtensionPair kExt33[] = {{L"psp", L"psp"}};
const ExtensionPair kExt34[] = {{L"ras", L"ras"}, {L"sun", L"ras"}};
const ExtensionPair kExt35[] = {{L"raw", L"raw"}};
const ExtensionPair kExt36[] = {{L"rle", L"rle"}};
const ExtensionPair kExt37[] = {{L"sff", L"sff"}};
const ExtensionPair kExt38[] = {{L"sgi", L"sgi"}, {L"rgb", L"sgi"}};
const ExtensionPair kExt39[] = {{L"sid", L"sid"}};
const ExtensionPair kExt40[] = {{L"tga", L"tga"}};
const ExtensionPair kExt41[] = {{L"tif", L"tif"}, {L"tiff", L"tif"}};
const ExtensionPair kExt42[] = {{L"wbmp", L"wbmp"}};
const ExtensionPair kExt43[] = {{L"webp", L"webp"}};
const ExtensionPair kExt44[] = {{L"wmf", L"wmf"}};
const ExtensionPair kExt45[] = {{L"xbm", L"xbm"}};
const ExtensionPair kExt46[] = {{L"xpm", L"xpm"}};
const ExtensionPair kExt47[] = {{L"swf", L"swf"}, {L"flv", L"flv"}};
const ExtensionPair kExt48[] = {{L"ttf", L"ttf"}};
const ExtensionPair kExt49[] = {{L"asf", L"asf"}};
const ExtensionPair kExt50[] = {{L"avi", L"avi"}};
const ExtensionPair kExt51[] = {{L"mpg", L"mpg"}, {L"mpe", L"mpe"}, {L"mpeg", L"mpg"}};
const ExtensionPair kExt52[] = {{L"mov", L"mov"}};
const ExtensionPair kExt53[] = {{L"wmv", L"wmv"}};
const ExtensionPair kExt54[] = {{L"aif", L"aif"}};
const ExtensionPair kExt55[] = {{L"mid", L"mid"}, {L"rmi", L"rmi"}};
const ExtensionPair kExt56[] = {{L"mp3", L"mp3"}};
const ExtensionPair kExt57[] = {{L"ogg", L"ogg"}};
const ExtensionPair kExt58[] = {{L"au", L"au"}, {L"snd", L"au"}};
const ExtensionPair kExt59[] = {{L"wav", L"wav"}};
const ExtensionPair kExt60[] = {{L"wma", L"wma"}};

const FileTypeGroup kCatalogue[kGroupCount] = {
    {0, L"ANI", L"Animated Windows Cursors *", FileTypeKind::Image, kExt0, 1, kIconOwnFile},
    {1, L"B3D", L"BodyPaint 3D Format *", FileTypeKind::Image, kExt1, 1, 0},
    {2, L"BMP/DIB", L"Windows Bitmap", FileTypeKind::Image, kExt2, 2, 0},
    {3, L"CLP", L"Windows Clipboard *", FileTypeKind::Image, kExt3, 1, 0},
    {4, L"CRW/CR2/CR3", L"Canon RAW Format *", FileTypeKind::Image, kExt4, 3, 0},
    {5, L"CUR", L"Windows Cursor", FileTypeKind::Image, kExt5, 1, kIconOwnFile},
    {6, L"DCM/ACR/IMA", L"DICOM Format *", FileTypeKind::Image, kExt6, 3, 0},
    {7, L"DCX", L"Multipage Zsoft Paintbrush", FileTypeKind::Image, kExt7, 1, 0},
    {8, L"DDS", L"Direct Draw Surface *", FileTypeKind::Image, kExt8, 1, 0},
    {9, L"DJVU/IW44", L"DjVu Format *", FileTypeKind::Image, kExt9, 2, 0},
    {10, L"DXF", L"Drawing Interchange Format *", FileTypeKind::Image, kExt10, 1, 0},
    {11, L"ECW", L"Enhanced Compressed Wavelet *", FileTypeKind::Image, kExt11, 1, 0},
    {12, L"EMF", L"Enhanced Windows Metafile", FileTypeKind::Image, kExt12, 1, 0},
    {13, L"EPS/PS", L"PostScript Format *", FileTypeKind::Image, kExt13, 2, 0},
    {14, L"EXR", L"EXR Format *", FileTypeKind::Image, kExt14, 1, 0},
    {15, L"G3", L"G3 FAX Format *", FileTypeKind::Image, kExt15, 1, 0},
    {16, L"GIF", L"Compuserve GIF", FileTypeKind::Image, kExt16, 1, 0},
    {17, L"HDP/JXR/WDP", L"JPEG-XR/HD-Photo Format *", FileTypeKind::Image, kExt17, 3, 0},
    {18, L"HEIC", L"High Efficiency Image File Format *", FileTypeKind::Image, kExt18, 1, 0},
    {19, L"ICO", L"Windows Icon", FileTypeKind::Image, kExt19, 1, kIconOwnFile},
    {20, L"IFF/LBM", L"Amiga Interchange File Format *", FileTypeKind::Image, kExt20, 2, 0},
    {21, L"JLS", L"JPEG-LS Format *", FileTypeKind::Image, kExt21, 1, 0},
    {22, L"JP2/JPC/J2K", L"JPEG2000 Format *", FileTypeKind::Image, kExt22, 3, 0},
    {23, L"JPG/JPEG/JPE", L"JPEG Format", FileTypeKind::Image, kExt23, 3, 0},
    {24, L"JPM", L"JPM Format *", FileTypeKind::Image, kExt24, 1, 0},
    {25, L"MNG/JNG", L"Multiple Network Graphics *", FileTypeKind::Image, kExt25, 2, 0},
    {26, L"PBM", L"Portable Bitmap", FileTypeKind::Image, kExt26, 1, 0},
    {27, L"PCD", L"Kodak Photo CD", FileTypeKind::Image, kExt27, 1, 0},
    {28, L"PCX", L"Zsoft Paintbrush", FileTypeKind::Image, kExt28, 1, 0},
    {29, L"PGM", L"Portable Greymap", FileTypeKind::Image, kExt29, 1, 0},
    {30, L"PNG", L"Portable Network Graphics", FileTypeKind::Image, kExt30, 1, 0},
    {31, L"PPM", L"Portable Pixelmap", FileTypeKind::Image, kExt31, 1, 0},
    {32, L"PSD", L"Adobe Photoshop Image", FileTypeKind::Image, kExt32, 1, 0},
    {33, L"PSP", L"Paint Shop Pro Image *", FileTypeKind::Image, kExt33, 1, 0},
    {34, L"RAS/SUN", L"Sun Raster Format *", FileTypeKind::Image, kExt34, 2, 0},
    {35, L"RAW", L"RAW Image Data *", FileTypeKind::Image, kExt35, 1, 0},
    {36, L"RLE", L"Utah RLE Format *", FileTypeKind::Image, kExt36, 1, 0},
    {37, L"SFF", L"Structured Fax Format *", FileTypeKind::Image, kExt37, 1, 0},
    {38, L"SGI/RGB", L"Silicon Graphics Image *", FileTypeKind::Image, kExt38, 2, 0},
    {39, L"SID", L"LizardTech MrSID Format *", FileTypeKind::Image, kExt39, 1, 0},
    {40, L"TGA", L"Truevision Targa", FileTypeKind::Image, kExt40, 1, 0},
    {41, L"TIF/TIFF", L"Tagged Image File Format", FileTypeKind::Image, kExt41, 2, 0},
    {42, L"WBMP", L"WAP Bitmap *", FileTypeKind::Image, kExt42, 1, 0},
    {43, L"WEBP", L"Weppy Format *", FileTypeKind::Image, kExt43, 1, 0},
    {44, L"WMF", L"Windows Metafile", FileTypeKind::Image, kExt44, 1, 0},
    {45, L"XBM", L"X-Bitmap *", FileTypeKind::Image, kExt45, 1, 0},
    {46, L"XPM", L"X-Pixmap *", FileTypeKind::Image, kExt46, 1, 0},
    {47, L"SWF/FLV", L"Macromedia Flash Format *", FileTypeKind::Other, kExt47, 2, 0},
    {48, L"TTF", L"True Type Font Format *", FileTypeKind::Other, kExt48, 1, 0},
    {49, L"ASF", L"Advanced Systems Format *", FileTypeKind::Other, kExt49, 1, 9},
    {50, L"AVI", L"Video for Windows *", FileTypeKind::Other, kExt50, 1, 9},
    {51, L"MPG/MPE/MPEG", L"MPEG Movie *", FileTypeKind::Other, kExt51, 3, 9},
    {52, L"MOV", L"Apple QuickTime Movie *", FileTypeKind::Other, kExt52, 1, 9},
    {53, L"WMV", L"Windows Media Video File *", FileTypeKind::Other, kExt53, 1, 9},
    {54, L"AIF", L"Audio Interchange Format *", FileTypeKind::Other, kExt54, 1, 8},
    {55, L"MID/RMI", L"MIDI Sound Format *", FileTypeKind::Other, kExt55, 2, 8},
    {56, L"MP3", L"MPEG Audio Format *", FileTypeKind::Other, kExt56, 1, 8},
    {57, L"OGG", L"Ogg Vorbis Audio Format *", FileTypeKind::Other, kExt57, 1, 8},
    {58, L"AU/SND", L"SUN Audio Format *", FileTypeKind::Other, kExt58, 2, 8},
    {59, L"WAV", L"Windows Audio Format *", FileTypeKind::Other, kExt59, 1, 8},
    {60, L"WMA", L"Windows Media Audio File *", FileTypeKind::Other, kExt60, 1, 8},
};

}  // namespace

const FileTypeGroup& GetFileTypeGroup(int index)
{
    return kCatalogue[index];
}

void AssociationSelection::SelectNone()
{
    for (int& f : flags) f = 0;
}

void AssociationSelection::SelectImages()
{
    for (int i = 0; i < kGroupCount; ++i) flags[i] = i < kImageGroupCount ? 1 : 0;
}

void AssociationSelection::SelectAll()
{
    for (int& f : flags) f = 1;
}
