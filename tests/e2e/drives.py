#!/usr/bin/python3
# drives.py MOUNTPOINT SOURCE: the folder SOURCE, passed through, read-only.
# While SOURCE/.pace holds "FIRST EACH" (milliseconds), the first lookup below
# the root after the file was written waits FIRST, as a disk spinning up from
# standby, and every later one EACH, as a busy disk; a FIRST below zero waits
# for ever, as a network drive whose server has gone. Without the file, lookups
# answer at once. The root, and the volume files Wine itself looks for when a
# program starts, always answer at once. Ends when killed.
import errno, os, sys, threading, time
import fusepy

source = sys.argv[2]


class SlowDrive(fusepy.Operations):
    armed = None  # the pace file's time when its first lookup came

    def wait(self, path):
        if path in ('/', '/.pace') or path.startswith('/.windows-'):
            return
        try:
            first, each = (int(n) for n in open(source + '/.pace').read().split())
            written = os.stat(source + '/.pace').st_mtime_ns
        except (OSError, ValueError):
            return
        if first < 0:
            threading.Event().wait()
        delay, self.armed = (first if self.armed != written else each), written
        time.sleep(delay / 1000)

    def getattr(self, path, fh=None):
        self.wait(path)
        try:
            st = os.lstat(source + path)
        except OSError as error:
            raise fusepy.FuseOSError(error.errno)
        return {key: getattr(st, key) for key in ('st_atime', 'st_ctime', 'st_gid', 'st_mode', 'st_mtime',
                                                  'st_nlink', 'st_size', 'st_uid')}

    def readdir(self, path, fh):
        self.wait(path)
        return ['.', '..'] + os.listdir(source + path)


fusepy.FUSE(SlowDrive(), sys.argv[1], foreground=True, nothreads=False, ro=True)
