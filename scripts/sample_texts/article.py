"""One article of the sample archive: its outline entry and its page text."""


def A(title, file, author, text, code, picture=None):
    """title and file as in the outline list; author is a key of AUTHORS in
    make_sample_archive, optionally with a case variant; text is a list of
    paragraphs (inline HTML allowed); code is shown in <pre>, escaped;
    picture is (file in images/, alt text)."""
    article = {"title": title, "file": file, "author": author, "text": text, "code": code}
    if picture:
        article["picture"] = picture
    return article
