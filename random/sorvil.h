/* Sorvil: fills a caller's buffer with 128 random bytes.
 *
 * The library seeds itself once, when it is loaded, from the state of the
 * machine; it wipes its key material when it is unloaded. It keeps one state
 * without a lock: callers on several threads must serialise their calls. */
#ifndef SORVIL_H
#define SORVIL_H

#ifdef __cplusplus
extern "C" {
#endif

/* Writes exactly 128 bytes to `buffer`, which must have room for them. */
void GetRandomBuffer(void* buffer);

#ifdef __cplusplus
}
#endif

#endif
