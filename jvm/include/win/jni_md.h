/* Machine-dependent JNI types for the Windows builds (MinGW-w64, 32 and
   64 bit). The JDK's jni.h includes this file by name; the JDK installed on
   the build machine only ships the Linux one. */
#ifndef LAUNCHER_JNI_MD_H
#define LAUNCHER_JNI_MD_H

#define JNIEXPORT __declspec(dllexport)
#define JNIIMPORT __declspec(dllimport)
#define JNICALL __stdcall

/* 32 bits on both Windows data models (LLP64 and ILP32). */
typedef long jint;
typedef __int64 jlong;
typedef signed char jbyte;

#endif
