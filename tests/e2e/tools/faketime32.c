/* Shifts the realtime clock of a 32-bit Wine process, for the end-to-end tests
 * of the i686 program. libfaketime's i386 library misses the 64-bit-time
 * entry points (__clock_gettime64, __gettimeofday64, __time64) that 32-bit
 * Wine calls, so the clock would stay real.
 *
 *   FAKETIME="@YYYY-MM-DD HH:MM:SS"   the clock starts there (local time) and runs
 *
 * Monotonic clocks stay real, so timers and GetTickCount are untouched.
 * Built without headers or libc at link time (gcc -m32 -shared -nostdlib):
 * every symbol resolves against the process's own i386 libc at load. */

typedef long long i64;
struct ts64 { i64 sec; long nsec; long pad; };
struct ts32 { long sec; long nsec; };
struct tv64 { i64 sec; i64 usec; };
struct tv32 { long sec; long usec; };
struct tm32 { int sec, min, hour, mday, mon, year, wday, yday, isdst; long gmtoff; const char* zone; };

extern void* dlsym(void* handle, const char* name);
extern char* getenv(const char* name);
extern i64 __mktime64(struct tm32* tm);
#define RTLD_NEXT ((void*)-1l)
#define CLOCK_REALTIME 0
#define CLOCK_REALTIME_COARSE 5

typedef int (*gettime64_fn)(int, struct ts64*);
static gettime64_fn realGettime64;
/* Added to the realtime clock, to the nanosecond: the clock starts exactly at
 * the given second, not up to a second past it. No 64-bit division here:
 * that would need libgcc. */
static i64 offsetSec;
static long offsetNsec;  /* 0 .. 999999999 */
static int ready;

static int Number(const char** p, int digits) {
    int v = 0;
    for (int i = 0; i < digits; ++i, ++*p) {
        if (**p < '0' || **p > '9') return -1;
        v = v * 10 + (**p - '0');
    }
    return v;
}

static void Init(void) {
    if (ready) return;
    realGettime64 = (gettime64_fn)dlsym(RTLD_NEXT, "__clock_gettime64");
    const char* p = getenv("FAKETIME");
    if (p && *p == '@') {
        ++p;
        struct tm32 tm = {0};
        tm.year = Number(&p, 4) - 1900, ++p;
        tm.mon = Number(&p, 2) - 1, ++p;
        tm.mday = Number(&p, 2), ++p;
        tm.hour = Number(&p, 2), ++p;
        tm.min = Number(&p, 2), ++p;
        tm.sec = Number(&p, 2);
        tm.isdst = -1;
        struct ts64 now;
        if (tm.year >= 0 && tm.sec >= 0 && realGettime64 && realGettime64(CLOCK_REALTIME, &now) == 0) {
            offsetSec = __mktime64(&tm) - now.sec - 1;
            offsetNsec = 1000000000l - now.nsec;
            if (offsetNsec == 1000000000l) offsetNsec = 0, ++offsetSec;
        }
    }
    ready = 1;
}

static int Shifted(int clock) { return clock == CLOCK_REALTIME || clock == CLOCK_REALTIME_COARSE; }

int __clock_gettime64(int clock, struct ts64* ts) {
    Init();
    int r = realGettime64(clock, ts);
    if (r == 0 && Shifted(clock)) {
        ts->sec += offsetSec;
        ts->nsec += offsetNsec;
        if (ts->nsec >= 1000000000l) ts->nsec -= 1000000000l, ++ts->sec;
    }
    return r;
}

int clock_gettime(int clock, struct ts32* ts) {
    struct ts64 t;
    int r = __clock_gettime64(clock, &t);
    if (r == 0) ts->sec = (long)t.sec, ts->nsec = t.nsec;
    return r;
}

int __gettimeofday64(struct tv64* tv, void* tz) {
    (void)tz;
    struct ts64 t;
    int r = __clock_gettime64(CLOCK_REALTIME, &t);
    if (r == 0 && tv) tv->sec = t.sec, tv->usec = t.nsec / 1000;
    return r;
}

int gettimeofday(struct tv32* tv, void* tz) {
    (void)tz;
    struct ts64 t;
    int r = __clock_gettime64(CLOCK_REALTIME, &t);
    if (r == 0 && tv) tv->sec = (long)t.sec, tv->usec = t.nsec / 1000;
    return r;
}

i64 __time64(i64* out) {
    struct ts64 t;
    __clock_gettime64(CLOCK_REALTIME, &t);
    if (out) *out = t.sec;
    return t.sec;
}

long time(long* out) {
    long v = (long)__time64(0);
    if (out) *out = v;
    return v;
}
