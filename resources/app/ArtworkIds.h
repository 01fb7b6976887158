/* Resource ids of the program's artwork (bitmaps in resources/app/art, drawn by
   tools/artwork/gen_art.py). Shared by artwork.rc and the C++ code, so plain
   #defines only. Every glyph's top-left pixel is its transparent colour. */
#ifndef VCONFIG_ARTWORK_IDS_H
#define VCONFIG_ARTWORK_IDS_H

/* Form backgrounds (TiledBackground): the main window's, and every other window's. */
#define IDB_FORM_TILE_MAIN 2001 /* 250 x 8 */
#define IDB_FORM_TILE 2002      /* 245 x 10 */

/* Tool strip pictures (PictureStrip): the main window's top bar, the side panels. */
#define IDB_STRIP_TILE_MAIN 2011  /* 250 x 8 */
#define IDB_STRIP_TILE_PANEL 2012 /* 211 x 8 */

/* Section list wallpapers: the source tree and the content list. */
#define IDB_WALLPAPER_TREE 2021    /* 64 x 64 */
#define IDB_WALLPAPER_CONTENT 2022 /* 64 x 64 */

/* Section list node glyphs, 10 x 10 on white. */
#define IDB_GLYPH_EXPAND 2031   /* red triangle pointing down */
#define IDB_GLYPH_CONTRACT 2032 /* blue triangle pointing right */

/* The main window's image list: one strip of 16 x 16 images, transparent colour
   at the top-left pixel. 0, 1: the two groups; 2, 3, 4: file, registry key, folder. */
#define IDB_IMAGELIST_MAIN 2041 /* 80 x 16 */
#define ART_IMAGE_GROUP_FILES 0
#define ART_IMAGE_GROUP_AUTOSTART 1
#define ART_IMAGE_ENTRY_FILE 2
#define ART_IMAGE_ENTRY_KEY 3
#define ART_IMAGE_ENTRY_FOLDER 4
#define ART_IMAGE_COUNT 5

/* Main window top bar buttons: Bitmap, NoFocusBitmap (hover image) and
   DisabledBitmap (leave image). 16 x 16; the language button's 25 x 25. */
#define IDB_BTN_REPORT 2101
#define IDB_BTN_REPORT_NOFOCUS 2102
#define IDB_BTN_REPORT_DISABLED 2103
#define IDB_BTN_ABOUT 2111
#define IDB_BTN_ABOUT_NOFOCUS 2112
#define IDB_BTN_ABOUT_DISABLED 2113
#define IDB_BTN_LANG 2121
#define IDB_BTN_LANG_NOFOCUS 2122
#define IDB_BTN_LANG_DISABLED 2123
#define IDB_BTN_MINIMIZE 2131
#define IDB_BTN_MINIMIZE_NOFOCUS 2132
#define IDB_BTN_MINIMIZE_DISABLED 2133
#define IDB_BTN_CLOSE 2141
#define IDB_BTN_CLOSE_NOFOCUS 2142
#define IDB_BTN_CLOSE_DISABLED 2143

/* Other 16 x 16 button images. */
#define IDB_BTN_SAVE 2151    /* editor ExplBtn1, report SaveBtn */
#define IDB_BTN_CANCEL 2152  /* editor ExplBtn2, report CloseBtn, dialogs BitBtn2, SpeedButton9 */
#define IDB_BTN_OK 2153      /* dialogs BitBtn1, SpeedButton8 */
#define IDB_BTN_PRINT 2154   /* report PrintBtn */
#define IDB_BTN_SEND 2155    /* report SendBtn */
#define IDB_MENU_SELALL 2156   /* report popup SelAll1 */
#define IDB_MENU_UNSELALL 2157 /* report popup UnselAll1 */

/* Flags: 19 x 13 for the language dialog's 23 x 23 buttons, and 25 x 25 pictures
   (flag on a transparent ground) for the about box. */
#define IDB_FLAG_CSY 2201
#define IDB_FLAG_DE 2202
#define IDB_FLAG_EN 2203
#define IDB_FLAG_ES 2204
#define IDB_FLAG_FR 2205
#define IDB_FLAG_IT 2206
#define IDB_FLAG_RUS 2207
#define IDB_FLAG25_CSY 2211
#define IDB_FLAG25_DE 2212
#define IDB_FLAG25_EN 2213
#define IDB_FLAG25_ES 2214
#define IDB_FLAG25_FR 2215
#define IDB_FLAG25_IT 2216
#define IDB_FLAG25_RUS 2217

/* About box. */
#define IDB_ABOUT_LOGO 2301      /* 201 x 201 */
#define IDB_ABOUT_COPYRIGHT 2302 /* 81 x 13 */

#endif
