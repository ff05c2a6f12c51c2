#!/usr/bin/python3
# drives.py hung MOUNTPOINT: a drive below whose root every lookup waits for
#   ever, as on a network drive whose server has gone.
# drives.py slow MOUNTPOINT SOURCE: the folder SOURCE, passed through. Once
#   SOURCE/.pace holds "FIRST EACH" (milliseconds), the first lookup after it
#   was written waits FIRST, as a disk spinning up from standby, and every later
#   one EACH, as a busy disk; without the file, lookups answer at once.
# The root, and the volume files Wine itself looks for when a program starts,
# answer at once. Ends when killed.
import errno, os, stat, sys, threading, time
import fusepy


def is_volume_file(path):
    return path.startswith('/.windows-')


class HungDrive(fusepy.Operations):
    def getattr(self, path, fh=None):
        if is_volume_file(path):
            raise fusepy.FuseOSError(errno.ENOENT)
        if path != '/':
            threading.Event().wait()
        return {'st_mode': stat.S_IFDIR | 0o755, 'st_nlink': 2}


class SlowDrive(fusepy.Operations):
    def __init__(self, source):
        self.source = source
        self.armed = None  # the pace file's time when its first lookup was made

    def real(self, path):
        return os.path.join(self.source, path.lstrip('/'))

    def wait(self, path):
        if path in ('/', '/.pace') or is_volume_file(path):
            return
        try:
            pace = os.stat(self.real('/.pace'))
            first, each = (int(n) for n in open(self.real('/.pace')).read().split())
        except (OSError, ValueError):
            return
        if self.armed != pace.st_mtime_ns:
            self.armed = pace.st_mtime_ns
            time.sleep(first / 1000)
        else:
            time.sleep(each / 1000)

    def getattr(self, path, fh=None):
        self.wait(path)
        st = os.lstat(self.real(path))
        return {key: getattr(st, key) for key in ('st_atime', 'st_ctime', 'st_gid', 'st_mode', 'st_mtime',
                                                  'st_nlink', 'st_size', 'st_uid')}

    def readdir(self, path, fh):
        self.wait(path)
        return ['.', '..'] + os.listdir(self.real(path))

    def access(self, path, mode):
        if not os.access(self.real(path), mode):
            raise fusepy.FuseOSError(errno.EACCES)

    def statfs(self, path):
        st = os.statvfs(self.real(path))
        return {key: getattr(st, key) for key in ('f_bavail', 'f_bfree', 'f_blocks', 'f_bsize', 'f_favail',
                                                  'f_ffree', 'f_files', 'f_flag', 'f_frsize', 'f_namemax')}

    def mkdir(self, path, mode): os.mkdir(self.real(path), mode)
    def rmdir(self, path): os.rmdir(self.real(path))
    def unlink(self, path): os.unlink(self.real(path))
    def rename(self, old, new): os.rename(self.real(old), self.real(new))
    def chmod(self, path, mode): os.chmod(self.real(path), mode)
    def chown(self, path, uid, gid): os.chown(self.real(path), uid, gid)
    def utimens(self, path, times=None): os.utime(self.real(path), times)
    def truncate(self, path, length, fh=None): os.truncate(self.real(path), length)
    def open(self, path, flags): return os.open(self.real(path), flags)
    def create(self, path, mode, fi=None): return os.open(self.real(path), os.O_WRONLY | os.O_CREAT, mode)
    def release(self, path, fh): os.close(fh)
    def flush(self, path, fh): os.fsync(fh)
    def fsync(self, path, datasync, fh): os.fsync(fh)

    def read(self, path, size, offset, fh):
        os.lseek(fh, offset, 0)
        return os.read(fh, size)

    def write(self, path, data, offset, fh):
        os.lseek(fh, offset, 0)
        return os.write(fh, data)


drive = HungDrive() if sys.argv[1] == 'hung' else SlowDrive(sys.argv[3])
fusepy.FUSE(drive, sys.argv[2], foreground=True, nothreads=False)
