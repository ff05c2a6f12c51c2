#!/usr/bin/python3
# hungdrive.py MOUNTPOINT: a drive below whose root every lookup waits for
# ever, as on a network drive whose server has gone. Its root, and the volume
# files Wine itself looks for when a program starts, answer at once. Ends
# when killed.
import errno, stat, sys, threading
import fusepy


class HungDrive(fusepy.Operations):
    def getattr(self, path, fh=None):
        if path.startswith('/.windows-'):
            raise fusepy.FuseOSError(errno.ENOENT)
        if path != '/':
            threading.Event().wait()
        return {'st_mode': stat.S_IFDIR | 0o755, 'st_nlink': 2}


fusepy.FUSE(HungDrive(), sys.argv[1], foreground=True, nothreads=False)
