/* Resource IDs, shared by zarnres.rc and the program. Plain macros so that
   windres and the C++ compiler both read them. */
#ifndef ZARNRES_RESOURCE_H
#define ZARNRES_RESOURCE_H

#define IDI_ZARNRES     1

#define IDB_BACKGROUND  101
#define IDB_BROWSE      102
#define IDB_RUN         103
#define IDB_CHECK       104

#endif
